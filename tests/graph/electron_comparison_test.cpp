// The graphs' context menu: the comparison with electrons, saving both graphs, copying the table.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QSvgRenderer>
#include <QTimer>

#include "graph_test_support.h"
#include "toolkit/file_dialog.h"

namespace velmora::testing {
namespace {

const QColor kYellow(255, 255, 0);

// A value as a material file holds it: four significant digits.
double AsInFile(double value) {
    return QString::number(value, 'E', 3).toDouble();
}

// An electron table of the same material far from the positron curves: three times the ranges,
// half the collision stopping powers.
TestMaterial ElectronsOf(const TestMaterial& positrons) {
    TestMaterial electrons = positrons;
    for (int row = 1; row <= 81; ++row) {
        electrons.collision[row] = AsInFile(positrons.collision[row] / 2);
        electrons.total[row] = AsInFile(electrons.collision[row] + electrons.radiative[row]);
        electrons.range[row] = AsInFile(positrons.range[row] * 3);
    }
    return electrons;
}

class ElectronComparisonTest : public GraphTest {
  protected:
    // The positron table and, when given, the electron one beside it.
    void Load(const TestMaterial& positrons, const TestMaterial* electrons) {
        QFile::remove("e_QRV/test.qrv");
        if (electrons)
            WriteMaterialFile("e_QRV", "test.qrv", *electrons);
        LoadWithOk(positrons);
    }
    static void SetCompare(bool on) { graphWindow().compareAction->setChecked(on); }

    // How many points along the curve through rows 20..50 (inside both frames) show yellow within
    // two pixels above or below: on a dashed curve some do and some do not.
    static std::pair<int, int> PointsShowing(const PictureBox& graph, const TestMaterial& m,
                                             const std::array<double, 82>& values, int decades) {
        const double ln10 = std::log(10.0);
        int with = 0, without = 0;
        for (int row = 20; row < 50; ++row) {
            for (double t = 0; t < 1; t += 0.125) {
                const QPoint at = graph.ToPixel(
                    std::log(m.energy[row]) * (1 - t) + std::log(m.energy[row + 1]) * t + 2 * ln10,
                    std::log(values[row]) * (1 - t) + std::log(values[row + 1]) * t +
                        decades * ln10);
                bool seen = false;
                for (int dy = -2; dy <= 2; ++dy)
                    seen = seen || graph.Surface().pixelColor(at + QPoint(0, dy)) == kYellow;
                (seen ? with : without) += 1;
            }
        }
        return {with, without};
    }
};

TEST_F(ElectronComparisonTest, MenuItemsAreEnabledOnlyWhenTheyCanAct) {
    const TestMaterial positrons = SmoothMaterial("Test material");
    TestMaterial otherName = ElectronsOf(positrons);
    otherName.name = "Another material";
    TestMaterial broken = ElectronsOf(positrons);
    broken.lineOverrides[40] = "   1.0E-1 x 1 1 1";
    const TestMaterial electrons = ElectronsOf(positrons);
    // The electron table, whether the comparison can be turned on, and part of the reason why not.
    const std::tuple<const TestMaterial*, bool, const char*> cases[] = {
        {&electrons, true, "dashed"},
        {nullptr, false, "e_QRV\\test.qrv cannot be read"},
        {&otherName, false, "is for \"Another material\", not for \"Test material\""},
        {&broken, false, "line 40"}};
    GraphWindow& graph = graphWindow();
    EXPECT_FALSE(graph.compareAction->isEnabled() || graph.saveAction->isEnabled() ||
                 graph.copyAction->isEnabled());
    EXPECT_EQ(graph.compareAction->toolTip(), "No material is shown yet.");
    for (const auto& [table, enabled, reason] : cases) {
        Load(positrons, table);
        EXPECT_EQ(graph.compareAction->isEnabled(), enabled) << reason;
        EXPECT_TRUE(graph.compareAction->toolTip().contains(QString::fromUtf8(reason)))
            << graph.compareAction->toolTip().toStdString();
        EXPECT_TRUE(graph.saveAction->isEnabled() && graph.copyAction->isEnabled());
    }
}

TEST_F(ElectronComparisonTest, DashedElectronCurvesComeAndGoWithTheComparison) {
    const TestMaterial positrons = DistinctCurvesMaterial("Test material");
    const TestMaterial electrons = ElectronsOf(positrons);
    Load(positrons, &electrons);
    const PictureBox& upper = *graphWindow().stoppingPowerGraph;
    const PictureBox& lower = *graphWindow().rangeGraph;
    const auto electronPoints = [&] {
        return std::pair(PointsShowing(lower, electrons, electrons.range, 4),
                         PointsShowing(upper, electrons, electrons.collision, 3));
    };
    // The main legend, without its sample lines' neighbourhood: never overdrawn.
    const QRect legend = QRect(upper.ToPixel(1.8, 13.2), upper.ToPixel(9.0, 10.0)).normalized();
    const QImage legendBefore = upper.Surface().copy(legend);
    const auto [rangeOff, collisionOff] = electronPoints();
    EXPECT_EQ(rangeOff.first + collisionOff.first, 0);

    graphWindow().ReadOut(*graphWindow().stoppingPowerGraph, 5.0f, 5.0f);
    ASSERT_EQ(CursorLinesShown(), 6);
    SetCompare(true);
    const auto [range, collision] = electronPoints();
    EXPECT_GT(range.first, 80);      // along the curve, dash after dash ...
    EXPECT_GT(range.second, 40);     // ... with gaps between them (solid: none)
    EXPECT_GT(collision.first, 40);  // in part under the electrons' total, drawn after it
    EXPECT_EQ(upper.Surface().copy(legend), legendBefore);
    // The cursor stays where it was and the read-out still snaps to the positron rows.
    EXPECT_EQ(CursorLinesShown(), 6);
    graphWindow().ReadOut(*graphWindow().rangeGraph, 6.0f, 5.0f);
    const int row = mainWindow().tableList->ListIndex() + 1;
    EXPECT_NEAR(CursorX(positrons.energy[row]), 6.0, 0.08);  // rows lie 0.144 apart
    EXPECT_EQ(mainWindow().rangeBox->Text(), Scientific(positrons.range[row]));

    // The comparison stays on for the next material, until it is turned off.
    Load(positrons, &electrons);
    EXPECT_TRUE(graphWindow().ComparingWithElectrons() && graphWindow().compareAction->isChecked());
    EXPECT_GT(electronPoints().first.first, 80);
    SetCompare(false);
    EXPECT_EQ(electronPoints().first.first + electronPoints().second.first, 0);
}

// Saved pictures load again at their sizes, a failed save leaves no file; the copied table holds
// the file's values, with the electron columns while the comparison is on.
TEST_F(ElectronComparisonTest, SavedPicturesLoadAgainAndTheCopiedTableHoldsTheFilesValues) {
    const TestMaterial positrons = SmoothMaterial("Test material");
    const TestMaterial electrons = ElectronsOf(positrons);
    Load(positrons, &electrons);
    SetCompare(true);
    GraphWindow& graph = graphWindow();
    QString proposed;
    // Answers the dialog with the path and the one filter that contains the given part.
    const auto saveAs = [&](const QString& path, const QString& filter) {
        SetSaveFileHandler([&proposed, path, filter](const QString&, const QString& offered,
                                                     const QStringList& filters) {
            proposed = offered;
            EXPECT_EQ(filters.filter(filter).size(), 1) << filter.toStdString();
            return SaveFileChoice{path, filters.filter(filter).value(0)};
        });
        graph.SaveGraphsAs();
    };
    saveAs("graphs", "PNG image (");
    EXPECT_TRUE(proposed.endsWith("/test.png")) << proposed.toStdString();  // the file's name
    const QImage saved("graphs.png");
    EXPECT_EQ(saved.size(), graph.size());
    // The picture shows what the screen shows: the frame and the navy ground where they are.
    const QPoint client = graph.rangeGraph->pos() + QPoint(2, 2);
    const PictureBox& lower = *graph.rangeGraph;
    for (const auto& [x, y] : {std::pair{11.5, 5.0}, std::pair{11.8, 5.0}, std::pair{5.0, 13.8}}) {
        EXPECT_EQ(saved.pixelColor(client + lower.ToPixel(x, y)),
                  lower.Surface().pixelColor(lower.ToPixel(x, y)));
    }
    saveAs("graphs-large.png", "PNG image, twice");
    EXPECT_EQ(QImage("graphs-large.png").size(), graph.size() * 2);
    saveAs("graphs.svg", "SVG");
    QFile svg("graphs.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray svgText = svg.readAll();
    EXPECT_EQ(QSvgRenderer(svgText).viewBox(), QRect(QPoint(0, 0), graph.size()));
    EXPECT_TRUE(svgText.contains(">Mass Collision Stopping Power<") &&
                svgText.contains(">Electrons<"));
    saveAs("no such folder/graphs.png", "PNG image (");
    ASSERT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_TRUE(recorder_.Messages()[0].text.contains("could not be saved"));
    EXPECT_FALSE(QFile::exists("no such folder"));
    SetSaveFileHandler({});

    for (const bool compare : {false, true}) {
        SetCompare(compare);
        graphWindow().CopyTable();
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 82);
        EXPECT_TRUE(lines[0].startsWith("Kinetic energy (MeV)\tCollision stopping power"));
        EXPECT_EQ(lines[0].contains("Electron csda range (g/cm2)"), compare);
        for (int row = 1; row <= 81; ++row) {
            std::vector<double> expected = {positrons.energy[row], positrons.collision[row],
                                            positrons.radiative[row], positrons.total[row],
                                            positrons.range[row]};
            if (compare) {
                expected.insert(expected.end(), {electrons.collision[row], electrons.radiative[row],
                                                 electrons.total[row], electrons.range[row]});
            }
            std::vector<double> copied;
            for (const QString& field : lines[row].split('\t'))
                copied.push_back(field.toDouble());
            ASSERT_EQ(copied, expected) << lines[row].toStdString();
        }
    }
}

TEST_F(ElectronComparisonTest, TheKeyboardOpensTheMenuOfAFocusedGraph) {
    LoadWithOk(SmoothMaterial());
    PictureBox& lower = *graphWindow().rangeGraph;
    int opened = 0;
    QTimer::singleShot(0, [&opened] {
        opened += graphWindow().contextMenu->isVisible() ? 1 : 0;
        graphWindow().contextMenu->close();
    });
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QApplication::sendEvent(&lower, &shiftF10);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(lower.focusPolicy(), Qt::StrongFocus);
}

}  // namespace
}  // namespace velmora::testing
