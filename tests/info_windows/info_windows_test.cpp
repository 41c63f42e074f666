// The title, data-reference and term windows: photograph, focus, buttons and readable labels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "app/forms.h"
#include "info_windows/form3.h"
#include "info_windows/form4.h"
#include "info_windows/form6.h"
#include "main_window/form1.h"
#include "support/program_test.h"

namespace velmora::testing {
namespace {

using InfoWindowsTest = ProgramTest;

// Every label's text fits inside the label and the label inside its window.
void ExpectLabelsReadable(const QWidget& window) {
    for (const Label* label : window.findChildren<Label*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(textWidth, label->width()) << label->text().toStdString();
        EXPECT_LE(label->geometry().right(), window.width()) << label->text().toStdString();
    }
}

TEST_F(InfoWindowsTest, TitleShowsThePhotographThroughItsLabels) {
    const QPixmap photo = TitlePhotograph();
    ASSERT_EQ(photo.size(), QSize(682, 479));
    Form6& title = form6();
    EXPECT_EQ(title.size(), QSize(660, 465));
    title.Show();
    const QImage screen = title.grab().toImage();
    const QImage original = photo.toImage();
    // Around the caption's text and the author line the photograph shows, not a background.
    for (const Label* label : {title.Label4, title.Label6}) {
        const QPoint corner = label->geometry().bottomRight() - QPoint(1, 1);
        EXPECT_EQ(screen.pixelColor(corner), original.pixelColor(corner))
            << label->text().toStdString();
    }
    ExpectLabelsReadable(title);
}

TEST_F(InfoWindowsTest, EnterInAFreshTitleWindowStarts) {
    Form6& title = form6();
    title.Show();
    ASSERT_EQ(title.focusWidget(), title.Command1);
    EXPECT_EQ(title.Command1->nextInFocusChain(), title.Command3);
    EXPECT_EQ(title.Command3->nextInFocusChain(), title.Command4);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(title.focusWidget(), &enter);
    ASSERT_TRUE(Form1Exists());
    EXPECT_TRUE(form1().isVisible());
    EXPECT_FALSE(title.isVisible());
}

TEST_F(InfoWindowsTest, ReferenceWindowOpensOnceAndCloses) {
    Form6& title = form6();
    title.Show();
    title.Command4->click();
    Form3* reference = &form3();
    title.Command4->click();
    EXPECT_EQ(&form3(), reference);
    EXPECT_EQ(QApplication::topLevelWidgets().count(reference), 1);
    EXPECT_TRUE(reference->isVisible());
    EXPECT_TRUE(title.isVisible());
    EXPECT_TRUE(
        reference->Label3->text().startsWith(QStringLiteral("M. J. Berger and S. M. Seltzer : ")));
    ExpectLabelsReadable(*reference);
    reference->Command1->click();
    EXPECT_FALSE(reference->isVisible());
    EXPECT_TRUE(Form3Exists());
}

TEST_F(InfoWindowsTest, TermWindowIsReadableAndCloses) {
    Form4& terms = form4();
    terms.Show();
    ExpectLabelsReadable(terms);
    terms.Command1->click();
    EXPECT_FALSE(terms.isVisible());
    EXPECT_TRUE(recorder_.Messages().empty());
}

}  // namespace
}  // namespace velmora::testing
