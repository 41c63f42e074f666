// Layout units: positions and sizes are given in twips, 15 to a pixel.
#pragma once

#include <QRect>

namespace velmora {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel of a length in twips.
constexpr int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A rectangle given as left, top, width and height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

}  // namespace velmora
