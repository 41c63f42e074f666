// The title, data-reference and term windows: photograph, focus, buttons and readable labels.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "info_windows/form3.h"
#include "info_windows/form4.h"
#include "info_windows/form6.h"
#include "support/program_test.h"

namespace velmora::testing {
namespace {

using InfoWindowsTest = ProgramTest;

// Every label's text fits inside the label and the label inside its window.
void ExpectLabelsReadable(const QWidget& window) {
    for (const Label* label : window.findChildren<Label*>()) {
        const std::string text = label->text().toStdString();
        EXPECT_TRUE(text.empty() ||  // the photograph
                    (label->fontMetrics().horizontalAdvance(label->text()) <= label->width() &&
                     label->geometry().right() <= window.width()))
            << text;
    }
}

TEST_F(InfoWindowsTest, TitleShowsThePhotographThroughItsLabelsAndEnterStarts) {
    Form6& title = form6();
    title.Show();
    EXPECT_EQ(title.size(), QSize(660, 465));
    ExpectLabelsReadable(title);
    // Around the caption's text the photograph shows, not a label's background.
    const QPoint corner = title.Label4->geometry().bottomRight() - QPoint(1, 1);
    EXPECT_EQ(title.grab().toImage().pixelColor(corner),
              TitlePhotograph().toImage().pixelColor(corner));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(title.focusWidget(), &enter);
    EXPECT_TRUE(Form1Exists() && form1().isVisible() && !title.isVisible());
}

TEST_F(InfoWindowsTest, ReferenceWindowOpensOnceAndBothInfoWindowsClose) {
    const auto referenceWindowsShown = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->isVisible() && window->windowTitle() == "    Data reference";
        });
    };
    form6().Command4->click();
    form6().Command4->click();
    EXPECT_EQ(referenceWindowsShown(), 1);
    EXPECT_TRUE(form3().isVisible() &&
                form3().Label3->text().startsWith("M. J. Berger and S. M. Seltzer : "));
    form4().Show();
    ExpectLabelsReadable(form3());
    ExpectLabelsReadable(form4());
    form3().Command1->click();
    form4().Command1->click();
    EXPECT_FALSE(form3().isVisible() || form4().isVisible());
}

}  // namespace
}  // namespace velmora::testing
