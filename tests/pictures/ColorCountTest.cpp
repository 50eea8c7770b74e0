#include "runtime/pictures/ColorCount.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ColorCount, FromTheDisplaysBitsPerPixel)
{
    struct Case {
        int bits;
        int colors;
    };
    for (const Case c :
         {Case{1, 2}, Case{4, 16}, Case{8, 256}, Case{16, 65536}, Case{24, 16777216},
          Case{30, 1 << 30}, Case{31, 30000}, Case{32, 30000}, Case{0, 1}, Case{-1, 30000}}) {
        SCOPED_TRACE(c.bits);
        EXPECT_EQ(ColorCountOfDepth(c.bits), c.colors);
    }
}

TEST(ColorCount, WithoutAScreenCountsAs32Bits)
{
    EXPECT_EQ(ColorCount(nullptr), 30000);
}

TEST(ColorCount, MoreThan256ColoursTakeThe8Pictures)
{
    EXPECT_EQ(PictureDigit(ColorCountOfDepth(4)), QLatin1Char('4'));
    EXPECT_EQ(PictureDigit(256), QLatin1Char('4'));
    EXPECT_EQ(PictureDigit(257), QLatin1Char('8'));
    EXPECT_EQ(PictureDigit(ColorCountOfDepth(16)), QLatin1Char('8'));
    EXPECT_EQ(PictureDigit(ColorCountOfDepth(32)), QLatin1Char('8'));
}

TEST(ColorCount, PictureNamesCarryTheDigitBetweenStemAndSuffix)
{
    EXPECT_EQ(PictureName(u"DB", 30000, u"HINT"), QStringLiteral("DB8HINT"));
    EXPECT_EQ(PictureName(u"HHFC", 16, u"HINTGREEN"), QStringLiteral("HHFC4HINTGREEN"));
    EXPECT_EQ(PictureName(u"PLA", 256, u"11"), QStringLiteral("PLA411"));
    EXPECT_EQ(PictureName(u"MonNeg", 65536), QStringLiteral("MonNeg8"));
}

} // namespace
} // namespace velmar
