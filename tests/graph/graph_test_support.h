// Shared fixture of the graph window and energy query tests: a fresh program in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/forms.h"
#include "core/interpolation.h"
#include "core/material_table.h"
#include "core/number_format.h"
#include "graph/form2.h"
#include "main_window/form1.h"
#include "support/material_files.h"
#include "support/message_recorder.h"
#include "toolkit/line_control.h"
#include "toolkit/picture_box.h"

namespace velmora::testing {

// A value rounded to the four significant digits that material files hold.
inline double FileRounded(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3E", value);
    return std::stod(buffer);
}

// Energies 0.01..1000 MeV, sixteen rows per decade (row 33 is 1 MeV, row 65 is 100 MeV), with
// values chosen so that the curves are easy to tell apart on the surface:
// collision 10 E^-0.5 (exactly 1 at 100 MeV, and through the legend area at low energies),
// radiative 0.02 E (below 0.001 up to 0.05 MeV), total their sum, csda range E^1.2 (1 at 1 MeV).
inline TestMaterial DistinctCurvesMaterial(const std::string& name = "Distinct curves") {
    TestMaterial m = SmoothMaterial(name, 1.0, 75.0);
    for (int row = 1; row <= 81; ++row) {
        const double e = m.energy[row];
        m.collision[row] = FileRounded(10.0 / std::sqrt(e));
        m.radiative[row] = FileRounded(0.02 * e);
        m.total[row] = FileRounded(m.collision[row] + m.radiative[row]);
        m.range[row] = FileRounded(std::pow(e, 1.2));
    }
    return m;
}

class GraphTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProgramState();
        ASSERT_TRUE(folder_.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }

    void TearDown() override {
        ResetProgramState();
        QDir::setCurrent(previousFolder_);
    }

    // Puts a material straight into the shared table, as a completed load leaves it.
    static void PutInTable(const TestMaterial& m) {
        MaterialTable& table = SharedMaterialTable();
        table.MaterialName = m.name;
        table.Density = m.density;
        table.MeanExcitationEnergy = m.meanExcitationEnergy;
        for (int row = kFirstRow; row <= kLastRow; ++row) {
            table.EnergyMeV[row] = m.energy[row];
            table.CollisionSP[row] = m.collision[row];
            table.RadiativeSP[row] = m.radiative[row];
            table.TotalSP[row] = m.total[row];
            table.CsdaRange[row] = m.range[row];
        }
    }

    // Writes the material as an element file, chooses it and presses the main window's OK.
    void LoadWithOk(const TestMaterial& m, const QString& fileName = QStringLiteral("test.qrv")) {
        WriteMaterialFile(QStringLiteral("p_QRV"), fileName, m);
        Form1& main = form1();  // loading the main window forgets any chosen file
        SharedMaterialTable().DataFilePath = "p_QRV\\" + fileName.toStdString();
        main.Command2->click();
        ASSERT_TRUE(recorder_.Messages().empty())
            << recorder_.Messages().front().text.toStdString();
        ASSERT_EQ(form1().List1->ListCount(), 81);
    }

    MessageRecorder recorder_;

  private:
    QTemporaryDir folder_;
    QString previousFolder_;
};

inline QColor PixelAt(const PictureBox& box, double x, double y) {
    return box.Surface().pixelColor(box.ToPixel(x, y));
}

inline QString Scientific(double value) {
    return QString::fromStdString(FormatPattern(value, "0.000E+00"));
}

}  // namespace velmora::testing
