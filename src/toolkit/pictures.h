// The small 32 x 32 pictures on the buttons and beside the table button, drawn in code.
#pragma once

#include <QPixmap>

namespace velmora {

inline constexpr int kPictureSize = 32;

// A green exit sign: the word for exit (非常口, or its translation in the interface's language) in
// white above a white arrow pointing up and to the left.
QPixmap ExitSignPicture();

// A red question mark on a transparent ground.
QPixmap QuestionMarkPicture();

// A small brown dog standing to the left, on a transparent ground.
QPixmap DogPicture();

}  // namespace velmora
