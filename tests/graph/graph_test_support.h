// Shared fixture of the graph window and energy query tests: materials loaded with the main
// window's OK button in a fresh program.
#pragma once

#include <algorithm>
#include <cmath>

#include "core/interpolation.h"
#include "core/number_format.h"
#include "graph/form2.h"
#include "main_window/form1.h"
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
        m.collision[row] = 10.0 / std::sqrt(m.energy[row]);
        m.radiative[row] = 0.02 * m.energy[row];
        m.total[row] = m.collision[row] + m.radiative[row];
        m.range[row] = std::pow(m.energy[row], 1.2);
    }
    return m;
}

class GraphTest : public ProgramTest {
  protected:
    // Writes the material as an element file, chooses it and presses the main window's OK.
    void LoadWithOk(const TestMaterial& m) {
        WriteMaterialFile(QStringLiteral("p_QRV"), QStringLiteral("test.qrv"), m);
        Form1& main = form1();  // creating the main window forgets any chosen file
        SharedMaterialTable().DataFilePath = "p_QRV\\test.qrv";
        main.Command2->click();
        ASSERT_TRUE(recorder_.Messages().empty()) << recorder_.Messages()[0].text.toStdString();
    }
};

inline int CursorLinesShown() {
    const Form2& g = form2();
    const LineControl* lines[] = {g.Line1, g.Line2, g.Line3, g.Line4, g.Line5, g.Line6};
    return int(std::count_if(lines, lines + 6, [](auto* line) { return line->Visible(); }));
}

inline QString Scientific(double value) {
    return QString::fromStdString(FormatPattern(value, "0.000E+00"));
}

}  // namespace velmora::testing
