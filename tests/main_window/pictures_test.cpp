// The drawn 32 x 32 pictures really show their figures in their colours.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "main_window/pictures.h"

namespace velmora {
namespace {

int CountPixels(const QPixmap& picture, const std::function<bool(const QColor&)>& wanted) {
    const QImage image = picture.toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool Transparent(const QColor& c) {
    return c.alpha() < 32;
}
bool White(const QColor& c) {
    return c.red() > 220 && c.green() > 220 && c.blue() > 220;
}
bool Green(const QColor& c) {
    return c.green() > 100 && c.red() < 60 && c.blue() < 100;
}
bool Red(const QColor& c) {
    return c.alpha() > 200 && c.red() > 180 && c.green() < 60;
}
bool Brown(const QColor& c) {
    return c.alpha() > 200 && c.red() > 120 && c.red() > c.green() && c.green() > c.blue();
}

TEST(PicturesTest, EachPictureShowsItsFigure) {
    const QPixmap exit = ExitSignPicture();
    const QPixmap question = QuestionMarkPicture();
    const QPixmap dog = DogPicture();
    for (const QPixmap* picture : {&exit, &question, &dog}) {
        EXPECT_EQ(picture->size(), QSize(32, 32));
    }
    // A green square (but for its rounded corners) with the white word and arrow.
    EXPECT_LE(CountPixels(exit, Transparent), 16);
    EXPECT_GT(CountPixels(exit, Green), 32 * 32 / 2);
    EXPECT_GT(CountPixels(exit, White), 60);
    // The question mark and the dog stand on a transparent ground.
    EXPECT_GT(CountPixels(question, Red), 80);
    EXPECT_GT(CountPixels(question, Transparent), 32 * 32 / 2);
    EXPECT_GT(CountPixels(dog, Brown), 150);
    EXPECT_GT(CountPixels(dog, Transparent), 32 * 32 / 3);
}

}  // namespace
}  // namespace velmora
