#include "tools/pictures/DibEncoder.h"

#include "runtime/pictures/BitmapResource.h"
#include "tools/pictures/ColorReduction.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdint>

namespace velmar {
namespace {

// An indexed picture whose every pixel has its own index (modulo the colours), so that a
// swapped nibble, a missing row pad or rows upside down all show.
QImage numbered(int width, int height, int colors)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(drawing::standardPalette().mid(0, colors));
    if (colors > 16) {
        QList<QRgb> table;
        for (int i = 0; i < colors; ++i)
            table.append(qRgb(i, 255 - i, (i * 7) & 0xFF));
        image.setColorTable(table);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, static_cast<uint>((x * 3 + y * 5) % colors));
    }
    return image;
}

TEST(DibEncoder, DecodesBackToTheSamePixels)
{
    for (const int bits : {4, 8}) {
        for (const int width : {1, 2, 3, 5, 8, 9, 31}) {
            SCOPED_TRACE(::testing::Message() << bits << " bits, width " << width);
            const QImage original = numbered(width, 3, 1 << bits);
            const QByteArray dib = drawing::encodeDib(original, bits);

            const int rowBytes = (width * bits + 31) / 32 * 4;
            EXPECT_EQ(dib.size(), 40 + (4 << bits) + rowBytes * 3);
            EXPECT_EQ(qFromLittleEndian<std::uint16_t>(dib.constData() + 14), bits);

            QImage decoded;
            ASSERT_TRUE(decoded.loadFromData(BmpFileImage(dib), "BMP"));
            ASSERT_EQ(decoded.size(), original.size());
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(decoded.pixel(x, y), original.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace velmar
