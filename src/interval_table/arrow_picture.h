// The 32 x 32 picture of an arrow pointing right, shown on the "Calculation" button.
#pragma once

#include <QPixmap>

namespace velmora {

QPixmap RightArrowPicture();

}  // namespace velmora
