// Widening a fixed-size label so that its text is never cut off where the stand-in font is wider.
#pragma once

#include <QFontMetrics>

#include "toolkit/label.h"

namespace velmora {

// Keeps the label's position and height; grows its width when the text needs more room.
inline void WidenToText(Label& label) {
    const int needed = QFontMetrics(label.font()).horizontalAdvance(label.text()) + 2;
    if (needed > label.width()) {
        label.resize(needed, label.height());
    }
}

}  // namespace velmora
