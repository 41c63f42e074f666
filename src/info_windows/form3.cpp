// The data-reference window: heading, two references with red bullets, and a close button.
#include "info_windows/form3.h"

#include "info_windows/label_fit.h"
#include "toolkit/fonts.h"
#include "toolkit/palette.h"

namespace velmora {
namespace {

const QColor kBulletRed(255, 0, 0);

Label* ReferenceLine(QWidget* parent, const QString& text, int left, int top, int width) {
    auto* label = new Label(parent, text, left, top, width, 315);
    label->SetFont(MakeFont(kFontTimesNewRoman, 14.25));
    WidenToText(*label);
    label->setAccessibleName(text);
    return label;
}

}  // namespace

Form3::Form3() : Window(QStringLiteral("    Data reference"), 9975, 3495) {
    SetBackColor(Qt::white);
    setAccessibleName(QStringLiteral("Data reference"));

    Label1 = new Label(this, QStringLiteral("データ出典および文献"), 360, 240, 2850, 285);
    Label1->SetFont(MakeFont(kFontHgMaruGothic, 14.25));
    Label1->setAccessibleName(QStringLiteral("Data sources and references"));
    WidenToText(*Label1);

    Shape2 = new Shape(this, kBulletRed, 360, 1080, 135, 135);
    Label3 = ReferenceLine(
        this,
        QStringLiteral("M. J. Berger and S. M. Seltzer : Stopping Powers and Ranges of Electrons"),
        720, 960, 8055);
    Label4 = ReferenceLine(
        this, QStringLiteral("and Positrons. NBSIR 82-2550, National Bureau of Standards, (1982)."),
        720, 1320, 7875);
    Shape1 = new Shape(this, kBulletRed, 360, 2160, 135, 135);
    Label2 = ReferenceLine(this,
                           QStringLiteral("ICRU Report 37 : Stopping powers for electrons and "
                                          "positrons.. ICRU, (1984)."),
                           720, 2040, 8940);

    Command1 = new Button(this, QStringLiteral("閉"), 4320, 2760, 975, 495);
    Command1->setFont(MakeFont(kFontHgMaruGothic, 12));
    Command1->SetBackColor(kLightYellowBackground);
    Command1->setAutoDefault(true);
    Command1->setAccessibleName(QStringLiteral("Close"));
    Command1->onClick = [this] { Hide(); };
}

}  // namespace velmora
