// The graphs' context menu: the comparison with electrons, saving both graphs, copying the table.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

#include "graph_test_support.h"
#include "toolkit/file_dialog.h"

namespace velmora::testing {
namespace {

const QColor kYellow(255, 255, 0), kRed(255, 0, 0);

// The electron table of a material on an energy grid of its own (denser at low energies), with
// values of its own: at the same energy, half the collision and ten times the radiative stopping
// power and three times the range of DistinctCurvesMaterial. (The electron grid's row k lies near
// a third of the positrons' row k: with three times the radiative stopping power, the positron
// values on the electron grid would nearly trace the electron curve.)
TestMaterial ElectronsOf(const TestMaterial& positrons) {
    TestMaterial e = positrons;
    for (int row = 1; row <= 81; ++row) {
        const double energy = e.energy[row] =
            AsInFile(0.01 * std::pow(1e5, std::pow((row - 1) / 80.0, 1.3)));
        e.collision[row] = AsInFile(5 / std::sqrt(energy));
        e.radiative[row] = AsInFile(0.2 * energy);
        e.total[row] = AsInFile(e.collision[row] + e.radiative[row]);
        e.range[row] = AsInFile(3 * std::pow(energy, 1.2));
    }
    return e;
}

// The graphs as the screen shows them (each graph's own surface) or as a saved picture of the
// window: where a graph's client area starts in it at scale 1, and the scale.
struct Picture {
    QImage image;
    bool saved = false;
    double scale = 1;
    QPoint PixelOf(const PictureBox& graph, double x, double y) const {
        const QPoint client = saved ? graph.pos() + QPoint(2, 2) : QPoint();
        return (client + graph.ToPixel(x, y)) * scale;
    }
    const QImage& Of(const PictureBox& graph) const { return saved ? image : graph.Surface(); }
};

// Curves of a test table: the graph, the values, the decades below y = 0 and the colour.
struct Curve {
    PictureBox* GraphWindow::*graph;
    const TestMaterial* table;
    std::array<double, 82> TestMaterial::*values;
    int decades;
    QColor colour;
};

// Of the points along a curve's log-log line over rows 20..50 (inside both frames), how many show
// its colour within two screen pixels above or below, and how many do not.
std::pair<int, int> PointsShowing(const Picture& p, const Curve& c) {
    const PictureBox& graph = *(graphWindow().*c.graph);
    const TestMaterial& m = *c.table;
    const int reach = int(2 * p.scale);
    int with = 0, without = 0;
    for (int row = 20; row < 50; ++row) {
        for (double t = 0; t < 1; t += 0.125) {
            const auto along = [&](const std::array<double, 82>& v, int decades) {
                return std::log(v[row]) * (1 - t) + std::log(v[row + 1]) * t +
                       decades * std::log(10.0);
            };
            const QPoint at = p.PixelOf(graph, along(m.energy, 2), along(m.*c.values, c.decades));
            bool seen = false;
            for (int dy = -reach; dy <= reach; ++dy)
                seen = seen || p.Of(graph).pixelColor(at + QPoint(0, dy)) == c.colour;
            (seen ? with : without) += 1;
        }
    }
    return {with, without};
}

// Where a text stands: the box around the white pixels of an area (user units of a graph) in
// pixels of the picture, from the graph's client corner.
QRect WhiteInk(const Picture& p, const PictureBox& graph, double x1, double y1, double x2,
               double y2) {
    const QRect area = QRect(p.PixelOf(graph, x1, y1), p.PixelOf(graph, x2, y2)).normalized();
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = p.Of(graph).pixelColor(x, y);
            if (std::min({c.red(), c.green(), c.blue()}) > 150)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink.translated(-p.PixelOf(graph, graph.ScaleLeft(), graph.ScaleTop()));
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

    const TestMaterial positrons_ = DistinctCurvesMaterial("Test material");
    const TestMaterial electrons_ = ElectronsOf(positrons_);
    // Each curve lies at its own energies and values: the positron ones solid, the electron ones
    // dashed and only while they are compared.
    void ExpectCurves(const Picture& picture, bool compared, const char* what) {
        for (const TestMaterial* table : {&positrons_, &electrons_}) {
            for (const Curve& curve :
                 {Curve{&GraphWindow::rangeGraph, table, &TestMaterial::range, 4, kYellow},
                  Curve{&GraphWindow::stoppingPowerGraph, table, &TestMaterial::radiative, 3,
                        kRed}}) {
                SCOPED_TRACE(::testing::Message() << what << ", " << curve.decades);
                const auto [with, without] = PointsShowing(picture, curve);
                const bool dashed = table == &electrons_;
                EXPECT_TRUE(dashed && !compared ? with == 0 : with > 80) << with;
                EXPECT_TRUE(dashed ? !compared || without > 30 : without == 0) << without;
            }
        }
    }
};

TEST_F(ElectronComparisonTest, MenuItemsAreEnabledOnlyWhenTheyCanAct) {
    TestMaterial otherName = electrons_;
    otherName.name = "Another material";
    TestMaterial broken = electrons_;
    broken.lineOverrides[40] = "   1.0E-1 x 1 1 1";
    // The electron table, whether the comparison can be turned on, and part of the reason why not.
    const std::tuple<const TestMaterial*, bool, const char*> cases[] = {
        {&electrons_, true, "dashed"},
        {nullptr, false, "e_QRV\\test.qrv cannot be read"},
        {&otherName, false, "is for \"Another material\", not for \"Test material\""},
        {&broken, false, "line 40"}};
    GraphWindow& graph = graphWindow();
    EXPECT_FALSE(graph.compareAction->isEnabled() || graph.saveAction->isEnabled() ||
                 graph.copyAction->isEnabled());
    EXPECT_EQ(graph.compareAction->toolTip(), "No material is shown yet.");
    for (const auto& [table, enabled, reason] : cases) {
        Load(positrons_, table);
        EXPECT_EQ(graph.compareAction->isEnabled(), enabled) << reason;
        EXPECT_TRUE(graph.compareAction->toolTip().contains(QString::fromUtf8(reason)))
            << graph.compareAction->toolTip().toStdString();
        EXPECT_TRUE(graph.saveAction->isEnabled() && graph.copyAction->isEnabled());
    }
}

// Dashed electron curves come with the comparison, for every material until it is turned off,
// and leave the legend, the cursor and the read-out's positron rows alone. The saved pictures
// show what the screen shows at its place: curves at their values, dashed ones with gaps, texts;
// a failed save leaves no file.
TEST_F(ElectronComparisonTest, ElectronCurvesComeAndGoAndSavedPicturesShowWhatTheScreenShows) {
    Load(positrons_, &electrons_);
    GraphWindow& graph = graphWindow();
    const PictureBox& upper = *graph.stoppingPowerGraph;
    const QRect legend = QRect(upper.ToPixel(1.8, 13.2), upper.ToPixel(9.0, 10.0)).normalized();
    const QImage legendBefore = upper.Surface().copy(legend);
    const Picture screen;
    ExpectCurves(screen, false, "off");
    graph.ReadOut(*graph.stoppingPowerGraph, 5.0f, 5.0f);
    SetCompare(true);
    ExpectCurves(screen, true, "on");
    EXPECT_EQ(upper.Surface().copy(legend), legendBefore);
    EXPECT_EQ(CursorLinesShown(), 6);
    graph.ReadOut(*graph.rangeGraph, 6.0f, 5.0f);
    const int row = mainWindow().tableList->ListIndex() + 1;
    EXPECT_NEAR(CursorX(positrons_.energy[row]), 6.0, 0.08);  // rows lie 0.144 apart
    EXPECT_EQ(mainWindow().rangeBox->Text(), Scientific(positrons_.range[row]));

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
    saveAs("graphs-large.png", "PNG image, twice");
    saveAs("graphs.svg", "SVG");
    QFile svgFile("graphs.svg");
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    QSvgRenderer svg(svgText);
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), graph.size()));
    EXPECT_TRUE(svgText.contains(">Mass Collision Stopping Power<") &&
                svgText.contains(">Electrons<"));
    QImage drawn(graph.size() * 2, QImage::Format_RGB32);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();

    const std::tuple<const char*, QImage, double> saved[] = {
        {"png", QImage("graphs.png"), 1},
        {"png 2x", QImage("graphs-large.png"), 2},
        {"svg", drawn, 2}};
    // The legend's middle text and the range graph's "csda".
    const std::tuple<PictureBox*, std::array<double, 4>> texts[] = {
        {graph.stoppingPowerGraph, {2.3, 11.85, 8.9, 10.95}},
        {graph.rangeGraph, {-1.45, 12.75, -0.1, 12.0}}};
    for (const auto& [name, image, scale] : saved) {
        SCOPED_TRACE(name);
        ASSERT_EQ(image.size(), graph.size() * scale);
        const Picture picture{image, true, scale};
        ExpectCurves(picture, true, name);
        for (const auto& [box, at] : texts) {
            const QRect onScreen = WhiteInk(screen, *box, at[0], at[1], at[2], at[3]);
            const QRect there = WhiteInk(picture, *box, at[0], at[1], at[2], at[3]);
            ASSERT_GT(onScreen.width(), 20);
            EXPECT_NEAR(there.left(), onScreen.left() * scale, scale + 1);
            EXPECT_NEAR(there.top(), onScreen.top() * scale, scale + 1);
            EXPECT_NEAR(there.width(), onScreen.width() * scale, onScreen.width() * scale / 12);
        }
    }
    saveAs("no such folder/graphs.png", "PNG image (");
    ExpectMessage("could not be saved");
    EXPECT_FALSE(QFile::exists("no such folder"));
    SetSaveFileHandler({});
    Load(positrons_, &electrons_);
    EXPECT_TRUE(graph.ComparingWithElectrons() && graph.compareAction->isChecked());
    ExpectCurves(screen, true, "next material");
    SetCompare(false);
    ExpectCurves(screen, false, "off again");
}

// The copied table holds the file's values, with the electron columns while the comparison is
// on, and the electron energies when their grid is not the positrons'.
TEST_F(ElectronComparisonTest, TheCopiedTableHoldsTheFilesValues) {
    TestMaterial sameGrid = electrons_;
    sameGrid.energy = positrons_.energy;
    const TestMaterial* const tables[] = {nullptr, &sameGrid, &electrons_};
    for (const TestMaterial* electrons : tables) {
        Load(positrons_, electrons);
        SetCompare(electrons != nullptr);
        graphWindow().CopyTable();
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 82);
        EXPECT_TRUE(lines[0].startsWith("Kinetic energy (MeV)\tCollision stopping power"));
        EXPECT_EQ(lines[0].contains("Electron csda range (g/cm2)"), electrons != nullptr);
        EXPECT_EQ(lines[0].contains("Electron kinetic energy (MeV)"), electrons == &electrons_);
        for (int row = 1; row <= 81; ++row) {
            const TestMaterial& p = positrons_;
            std::vector<double> expected = {p.energy[row], p.collision[row], p.radiative[row],
                                            p.total[row], p.range[row]};
            if (electrons == &electrons_)
                expected.push_back(electrons->energy[row]);
            if (electrons) {
                const TestMaterial& e = *electrons;
                expected.insert(expected.end(),
                                {e.collision[row], e.radiative[row], e.total[row], e.range[row]});
            }
            std::vector<double> copied;
            for (const QString& field : lines[row].split('\t'))
                copied.push_back(field.toDouble());
            ASSERT_EQ(copied, expected) << lines[row].toStdString();
        }
        // One header field per column, so that pasted titles stand above their values.
        EXPECT_EQ(lines[0].split('\t').size(), lines[1].split('\t').size())
            << lines[0].toStdString();
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
