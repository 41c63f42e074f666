// The classic 16-colour palette that drawing code refers to by index.
#pragma once

#include <QColor>

namespace velmora {

// The light yellow background of the windows' buttons and energy labels.
inline const QColor kLightYellowBackground(255, 255, 192);

// Colour of palette index 0..15 (1 blue, 8 grey, 12 light red, 14 light yellow, 15 bright white);
// indices outside the palette give black.
QColor QBColor(int index);

}  // namespace velmora
