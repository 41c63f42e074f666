// The data-reference window: heading, two references with red bullets, and a close button.
#include "info_windows/reference_window.h"

#include "info_windows/label_fit.h"
#include "toolkit/fonts.h"
#include "toolkit/palette.h"
#include "toolkit/shape.h"

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

ReferenceWindow::ReferenceWindow() : Window(tr("    Data reference"), 9975, 3495) {
    SetBackColor(Qt::white);
    setAccessibleName(QStringLiteral("Data reference"));

    auto* heading = new Label(this, tr("データ出典および文献"), 360, 240, 2850, 285);
    heading->SetFont(MakeFont(kFontHgMaruGothic, 14.25));
    heading->setAccessibleName(QStringLiteral("Data sources and references"));
    WidenToText(*heading);

    new Shape(this, kBulletRed, 360, 1080, 135, 135);
    ReferenceLine(this,
                  tr("M. J. Berger and S. M. Seltzer : Stopping Powers and Ranges of Electrons"),
                  720, 960, 8055);
    ReferenceLine(this, tr("and Positrons. NBSIR 82-2550, National Bureau of Standards, (1982)."),
                  720, 1320, 7875);
    new Shape(this, kBulletRed, 360, 2160, 135, 135);
    ReferenceLine(
        this, tr("ICRU Report 37 : Stopping powers for electrons and positrons.. ICRU, (1984)."),
        720, 2040, 8940);

    closeButton = new Button(this, tr("閉"), 4320, 2760, 975, 495);
    closeButton->setFont(MakeFont(kFontHgMaruGothic, 12));
    closeButton->SetBackColor(kLightYellowBackground);
    closeButton->setAutoDefault(true);
    closeButton->setAccessibleName(QStringLiteral("Close"));
    closeButton->onClick = [this] { Hide(); };
}

}  // namespace velmora
