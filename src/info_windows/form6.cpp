// The title window: layout over the photograph and the start, references and exit buttons.
#include "info_windows/form6.h"

#include "app/forms.h"
#include "core/material_table.h"
#include "info_windows/form3.h"
#include "info_windows/label_fit.h"
#include "main_window/form1.h"
#include "main_window/pictures.h"
#include "toolkit/fonts.h"
#include "toolkit/palette.h"
#include "toolkit/program.h"
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

Label* TitleLabel(QWidget* parent, int left, int top, const QColor& color) {
    auto* label =
        new Label(parent, QStringLiteral("Stopping-Power for Positrons"), left, top, 6645, 645);
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

Form6::Form6() : Window(QStringLiteral("  Velmora"), 9900, 6975) {
    SetBackColor(Qt::white);
    setAccessibleName(QStringLiteral("Velmora title"));
    BuildControls();
    Command1->onClick = [this] { Command1Click(); };
    Command3->onClick = [] { End(); };
    Command4->onClick = [] { form3().Show(); };
    onClose = [this] { CloseBox(); };
}

void Form6::BuildControls() {
    const QPixmap photo = TitlePhotograph();
    Photo = new Label(this, QString(), 0, 0, photo.width() * kTwipsPerPixel,
                      photo.height() * kTwipsPerPixel);
    Photo->setPixmap(photo);
    Photo->setAccessibleName(QStringLiteral("Photograph of forget-me-nots"));

    Command1 = StartOrReferenceButton(this, QStringLiteral("質量阻止能・飛程"), 3480);
    Command1->setAccessibleName(QStringLiteral("Start: mass stopping powers and ranges"));
    Command3 = new Button(this, QString(), 8520, 5040, 600, 600);
    Command3->SetPicture(ExitSignPicture());
    Command3->SetBackColor(kLightYellowBackground);
    Command3->SetToolTip(QStringLiteral(" bye "));
    Command3->setAutoDefault(true);
    Command3->setAccessibleName(QStringLiteral("End the program"));
    Command4 = StartOrReferenceButton(this, QStringLiteral("データ出典・文献"), 4200);
    Command4->setAccessibleName(QStringLiteral("Data sources and references"));
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command4);

    Label4 = new Label(this, QStringLiteral("Nuttallanthus canadensis"), 1200, 5400, 2370, 255);
    Label4->SetFont(MakeFont(kFontTimesNewRoman, 11.25, true));
    Label4->SetForeColor(kTitleYellow);
    WidenToText(*Label4);
    // The yellow title first, so that the red one lies over it, 30 twips right and down.
    Label2 = TitleLabel(this, 1650, 360, kTitleYellow);
    Label1 = TitleLabel(this, 1680, 390, kTitleRed);
    Label6 = new Label(this, QStringLiteral("© 2026 Velmora developers"), 6825, 6240, 2010, 225);
    Label6->SetFont(MakeFont(kFontTimesNewRoman, 9));
    Label6->SetForeColor(kAuthorGrey);
    Label6->SetCentered();
    Command1->setFocus();
}

// Start: the main window comes up cleared, with no file chosen; its first use loads it.
void Form6::Command1Click() {
    Form1& main = form1();
    main.List1->Clear();
    for (TextBox* box : {main.Text3, main.Text7, main.Text8, main.Text4, main.Text5, main.Text1,
                         main.Text2, main.Text6}) {
        box->SetText(QString());
    }
    main.File1->Refresh();
    main.File2->Refresh();
    main.Command5->SetEnabled(false);
    SharedMaterialTable().DataFilePath.clear();
    main.Show();
    Hide();
}

// Closing the title window ends the program unless the main window is on screen.
void Form6::CloseBox() {
    if (Form1Exists() && form1().isVisible()) {
        Hide();
    } else {
        End();
    }
}

}  // namespace velmora
