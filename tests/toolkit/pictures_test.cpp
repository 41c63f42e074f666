// The drawn 32 x 32 pictures show their figures in their colours on their grounds.
#include <gtest/gtest.h>

#include <QImage>

#include "toolkit/pictures.h"

namespace velmora {

TEST(PicturesTest, EachPictureShowsItsFigureInItsColours) {
    // A picture, a colour and more pixels than this of it: figures, the white word, clear grounds.
    for (const auto& [picture, colour, least] : {
             std::tuple{ExitSignPicture(), QColor(0, 160, 64), 512},
             std::tuple{ExitSignPicture(), QColor(Qt::white), 60},
             std::tuple{QuestionMarkPicture(), QColor(220, 0, 0), 80},
             std::tuple{QuestionMarkPicture(), QColor(Qt::transparent), 512},
             std::tuple{DogPicture(), QColor(170, 105, 45), 150},
             std::tuple{DogPicture(), QColor(Qt::transparent), 341},
         }) {
        const QImage image = picture.toImage();
        ASSERT_EQ(image.size(), QSize(32, 32));
        int count = 0;
        for (int i = 0; i < 32 * 32; ++i)
            count += image.pixelColor(i % 32, i / 32) == colour;
        EXPECT_GT(count, least) << colour.name(QColor::HexArgb).toStdString() << ": " << count;
    }
}

}  // namespace velmora
