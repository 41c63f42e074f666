// The title window: layout over the photograph and the start, references and exit buttons.
#include "info_windows/title_window.h"

#include "info_windows/label_fit.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/palette.h"
#include "toolkit/pictures.h"
#include "toolkit/twips.h"

// The photograph lives in this library's resources; a static library needs them registered.
static void InitializeInfoWindowResources() {
    Q_INIT_RESOURCE(info_windows);
}

namespace velmora {
namespace {

const QColor kTitleYellow(255, 255, 0);
const QColor kTitleRed(255, 0, 0);
const QColor kAuthorGrey(224, 224, 224);

Button* StartOrReferenceButton(QWidget* parent, const QString& caption, int top) {
    auto* button = new Button(parent, caption, 6480, top, 2655, 495);
    button->setFont(MakeFont(kFontMeiryo, 14.25));
    button->SetBackColor(kLightYellowBackground);
    button->setAutoDefault(true);  // Enter on the focused button clicks it
    return button;
}

Label* TitleLabel(QWidget* parent, const QString& text, int left, int top, const QColor& color) {
    auto* label = new Label(parent, text, left, top, 6645, 645);
    label->SetFont(MakeFont(kFontTimesNewRoman, 27.75, true));
    label->SetForeColor(color);
    WidenToText(*label);
    return label;
}

}  // namespace

QPixmap TitlePhotograph() {
    InitializeInfoWindowResources();
    return QPixmap(QStringLiteral(":/info_windows/title_photo.jpg"));
}

TitleWindow::TitleWindow() : Window(tr("  Velmora"), 9900, 6975) {
    SetBackColor(Qt::white);
    setAccessibleName(QStringLiteral("Velmora title"));
    BuildControls();
    startButton->onClick = [this] { emit startRequested(); };
    exitButton->onClick = [this] { emit exitRequested(); };
    referencesButton->onClick = [this] { emit referencesRequested(); };
}

void TitleWindow::BuildControls() {
    const QPixmap photo = TitlePhotograph();
    auto* photoLabel = new Label(this, QString(), 0, 0, photo.width() * kTwipsPerPixel,
                                 photo.height() * kTwipsPerPixel);
    photoLabel->setPixmap(photo);
    photoLabel->setAccessibleName(QStringLiteral("Photograph of forget-me-nots"));

    startButton = StartOrReferenceButton(this, tr("質量阻止能・飛程"), 3480);
    startButton->setAccessibleName(QStringLiteral("Start: mass stopping powers and ranges"));
    exitButton = new Button(this, QString(), 8520, 5040, 600, 600);
    exitButton->SetPicture(ExitSignPicture());
    exitButton->SetBackColor(kLightYellowBackground);
    exitButton->SetToolTip(tr(" bye "));
    exitButton->setAutoDefault(true);
    exitButton->setAccessibleName(QStringLiteral("End the program"));
    referencesButton = StartOrReferenceButton(this, tr("データ出典・文献"), 4200);
    referencesButton->setAccessibleName(QStringLiteral("Data sources and references"));
    setTabOrder(startButton, exitButton);
    setTabOrder(exitButton, referencesButton);

    auto* caption = new Label(this, tr("Nuttallanthus canadensis"), 1200, 5400, 2370, 255);
    caption->SetFont(MakeFont(kFontTimesNewRoman, 11.25, true));
    caption->SetForeColor(kTitleYellow);
    WidenToText(*caption);
    // The yellow title first, so that the red one lies over it, 30 twips right and down.
    const QString title = tr("Stopping-Power for Positrons");
    TitleLabel(this, title, 1650, 360, kTitleYellow);
    TitleLabel(this, title, 1680, 390, kTitleRed);
    auto* authors = new Label(this, tr("© 2026 Velmora developers"), 6825, 6240, 2010, 225);
    authors->SetFont(MakeFont(kFontTimesNewRoman, 9));
    authors->SetForeColor(kAuthorGrey);
    authors->SetCentered();
    startButton->setFocus();
}

}  // namespace velmora
