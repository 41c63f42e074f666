// The term window: the three quantities and their definitions, and a close button.
#include "info_windows/term_window.h"

#include "info_windows/label_fit.h"
#include "toolkit/fonts.h"
#include "toolkit/palette.h"

namespace velmora {
namespace {

Label* TermLine(QWidget* parent, const QString& text, int left, int top, int width,
                double points = 14.25) {
    auto* label = new Label(parent, text, left, top, width, points > 14.25 ? 405 : 315);
    label->SetFont(MakeFont(kFontTimesNewRoman, points));
    label->SetForeColor(Qt::black);
    WidenToText(*label);
    label->setAccessibleName(text.trimmed());
    return label;
}

}  // namespace

TermWindow::TermWindow() : Window(tr("   Meaning of the term"), 10260, 4980) {
    SetBackColor(Qt::white);
    setAccessibleName(QStringLiteral("Meaning of the term"));

    TermLine(this, tr("meaning of the term"), 360, 240, 2895, 18);
    TermLine(this, tr("(cited from ICRU 37)"), 3720, 300, 2430);
    TermLine(this, tr("collision stopping power"), 360, 840, 2760);
    TermLine(this,
             tr("the average energy loss per unit pathlength due to "
                "inelastic Coulomb collisions."),
             720, 1200, 8775);
    TermLine(this, tr("radiative stopping power"), 360, 1800, 2760);
    TermLine(this,
             tr("the average energy loss per init pathlength due to the "
                "emission of bremsstrahlung "),
             720, 2160, 9030);
    TermLine(this, tr("in the field of the atomic nucleus and of the atomic electrons."), 720, 2520,
             6795);
    TermLine(this, tr("csda range (continuous-slowing-down-approximation)"), 360, 3120, 6045);
    TermLine(this,
             tr("the average pathlength traveled by an positron as it slows "
                "down from an initial"),
             720, 3480, 8640);
    TermLine(this, tr("energy to a final energy."), 720, 3840, 2655);

    closeButton = new Button(this, tr("Close"), 8880, 4200, 975, 495);
    closeButton->setFont(MakeFont(kFontTimesNewRoman, 14.25));
    closeButton->SetBackColor(kLightYellowBackground);
    closeButton->setAutoDefault(true);
    closeButton->setAccessibleName(QStringLiteral("Close"));
    closeButton->onClick = [this] { Hide(); };
}

}  // namespace velmora
