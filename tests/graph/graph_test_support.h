// Fixture of the graph window and energy query tests: materials loaded with the main window's OK.
#pragma once

#include <algorithm>
#include <cmath>

#include "core/interpolation.h"
#include "core/number_format.h"
#include "core/shared_tables.h"
#include "graph/graph_window.h"
#include "main_window/main_window.h"
#include "support/material_files.h"
#include "support/program_test.h"
#include "toolkit/line_control.h"
#include "toolkit/picture_box.h"

namespace velmora::testing {

// Row 33 is 1 MeV, row 65 100 MeV. Collision 10 E^-0.5 (1 at 100 MeV, through the legend area at
// low energies), radiative 0.02 E (below 0.001 up to 0.05 MeV), total their sum, range E^1.2.
inline TestMaterial DistinctCurvesMaterial(const std::string& name = "Distinct curves") {
    TestMaterial m = SmoothMaterial(name);
    for (int row = 1; row <= 81; ++row) {
        m.collision[row] = AsInFile(10.0 / std::sqrt(m.energy[row]));
        m.radiative[row] = AsInFile(0.02 * m.energy[row]);
        m.total[row] = AsInFile(m.collision[row] + m.radiative[row]);
        m.range[row] = AsInFile(std::pow(m.energy[row], 1.2));
    }
    return m;
}

class GraphTest : public ProgramTest {
  protected:
    void LoadWithOk(const TestMaterial& m) {
        WriteMaterialFile(QStringLiteral("p_QRV"), QStringLiteral("test.qrv"), m);
        MainWindow& main = mainWindow();  // creating the main window forgets any chosen file
        SharedMaterialTable().DataFilePath = "p_QRV\\test.qrv";
        main.okButton->click();
        ASSERT_TRUE(recorder_.Messages().empty()) << recorder_.Messages()[0].text.toStdString();
    }
};

inline int CursorLinesShown() {
    const GraphWindow& g = graphWindow();
    const LineControl* lines[] = {g.stoppingEnergyLine, g.collisionLine,   g.radiativeLine,
                                  g.totalLine,          g.rangeEnergyLine, g.rangeLine};
    return int(std::count_if(lines, lines + 6, [](auto* line) { return line->Visible(); }));
}

inline QString Scientific(double value) {
    return QString::fromStdString(FormatPattern(value, "0.000E+00"));
}

}  // namespace velmora::testing
