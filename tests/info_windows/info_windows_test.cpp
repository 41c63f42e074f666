// The title, data-reference and term windows: photograph, focus and buttons.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "info_windows/reference_window.h"
#include "info_windows/term_window.h"
#include "info_windows/title_window.h"
#include "support/program_test.h"

namespace velmora::testing {
namespace {

using InfoWindowsTest = ProgramTest;

TEST_F(InfoWindowsTest, TitleShowsThePhotographThroughItsLabelsAndEnterStarts) {
    TitleWindow& title = titleWindow();
    title.Show();
    EXPECT_EQ(title.size(), QSize(660, 465));
    // Around the caption's text the photograph shows, not a label's background.
    const auto labels = title.findChildren<QLabel*>();
    const auto caption = std::find_if(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text() == "Nuttallanthus canadensis";
    });
    ASSERT_NE(caption, labels.end());
    const QPoint corner = (*caption)->geometry().bottomRight() - QPoint(1, 1);
    EXPECT_EQ(title.grab().toImage().pixelColor(corner),
              TitlePhotograph().toImage().pixelColor(corner));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(title.focusWidget(), &enter);
    EXPECT_TRUE(MainWindowExists() && mainWindow().isVisible() && !title.isVisible());
}

TEST_F(InfoWindowsTest, ReferenceWindowOpensOnceAndBothInfoWindowsClose) {
    const auto referenceWindowsShown = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->isVisible() && window->windowTitle() == "    Data reference";
        });
    };
    titleWindow().referencesButton->click();
    titleWindow().referencesButton->click();
    EXPECT_EQ(referenceWindowsShown(), 1);
    EXPECT_TRUE(referenceWindow().isVisible());
    termWindow().Show();
    referenceWindow().closeButton->click();
    termWindow().closeButton->click();
    EXPECT_FALSE(referenceWindow().isVisible() || termWindow().isVisible());
}

}  // namespace
}  // namespace velmora::testing
