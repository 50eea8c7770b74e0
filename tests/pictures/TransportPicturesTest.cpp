#include "runtime/pictures/PictureModules.h"
#include "tests/pictures/PictureComparison.h"
#include "tests/pictures/PictureLoading.h"

#include <QRegion>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using testing::differingPixels;
using testing::differingPixelsOutside;
using testing::inSet;
using testing::loadPicture;
using testing::PictureSet;

// Buttons left to right in 42-pixel cells: full, half and quarter size, settings, record,
// play, rewind, stop.
QRect cell(int button, const PictureSet& set)
{
    return inSet(QRect(button * 42, 0, 42, 17), set);
}

struct Look {
    const char* stem;
    int pressed;
};
constexpr Look kLooks[] = {{"SET", 3}, {"REC", 4}, {"PLA", 5}, {"REW", 6}, {"STOP", 7}};

struct Size {
    const char* suffix;
    int chosen; // -1: none
};
constexpr Size kSizes[] = {{"00", -1}, {"11", 0}, {"12", 1}, {"14", 2}};

class TransportPictures : public ::testing::TestWithParam<PictureSet> {
protected:
    [[nodiscard]] static QImage load(const Look& look, const Size& size)
    {
        return loadPicture(kDrumPictures, GetParam(), QLatin1String(look.stem),
                           QLatin1String(size.suffix));
    }
    [[nodiscard]] static QRect cell(int button) { return velmar::cell(button, GetParam()); }
    // A stroke's worth of pixels at the set's scale.
    [[nodiscard]] static int pixels(int atDesignSize)
    {
        return atDesignSize * GetParam().scale * GetParam().scale;
    }
};

TEST_P(TransportPictures, EachLookPressesItsOwnButtonOnly)
{
    for (const Size& size : kSizes) {
        for (const Look& a : kLooks) {
            for (const Look& b : kLooks) {
                if (a.pressed >= b.pressed)
                    continue;
                SCOPED_TRACE(::testing::Message() << a.stem << " " << b.stem << size.suffix);
                const QImage first = load(a, size);
                const QImage second = load(b, size);
                const QRegion pressed = QRegion(cell(a.pressed)) + cell(b.pressed);
                EXPECT_EQ(differingPixelsOutside(first, second, pressed), 0);
                EXPECT_GT(differingPixels(first, second, cell(a.pressed)), pixels(20));
                EXPECT_GT(differingPixels(first, second, cell(b.pressed)), pixels(20));
            }
        }
    }
}

TEST_P(TransportPictures, TheSuffixHighlightsOneWindowSize)
{
    for (const Look& look : kLooks) {
        const QImage none = load(look, kSizes[0]);
        EXPECT_EQ(none.size(), QSize(336, 17) * GetParam().scale);
        for (const Size& size : kSizes) {
            if (size.chosen < 0)
                continue;
            SCOPED_TRACE(::testing::Message() << look.stem << size.suffix);
            const QImage chosen = load(look, size);
            EXPECT_EQ(differingPixelsOutside(none, chosen, cell(size.chosen)), 0);
            EXPECT_GT(differingPixels(none, chosen, cell(size.chosen)), pixels(10));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Set, TransportPictures, testing::kEveryPictureSet,
                         testing::pictureSetName);

} // namespace
} // namespace velmar
