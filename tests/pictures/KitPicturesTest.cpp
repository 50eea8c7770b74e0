#include "runtime/pictures/PictureModules.h"
#include "tests/pictures/PictureComparison.h"
#include "tests/pictures/PictureLoading.h"
#include "tools/pictures/KitGeometry.h"

#include <QRegion>
#include <gtest/gtest.h>

#include <algorithm>

// The pictures are checked against the generator's copy of the kit table, the geometry they
// were drawn to.

namespace velmar {
namespace {

using drawing::KitInstrument;
using drawing::kitInstruments;
using drawing::toRect;
using testing::differingPixels;
using testing::differingPixelsOutside;
using testing::inSet;
using testing::loadPicture;
using testing::PictureSet;

const KitInstrument& row(int index)
{
    return kitInstruments()[static_cast<std::size_t>(index)];
}

QRect anchorLit(int index)
{
    return toRect(row(row(index).anchor).lit);
}

QRegion allLitRects()
{
    QRegion region;
    for (const KitInstrument& instrument : kitInstruments())
        region += toRect(instrument.lit);
    return region;
}

QRegion allCovers()
{
    QRegion region;
    for (const KitInstrument& instrument : kitInstruments())
        region += toRect(instrument.cover);
    return region;
}

QRegion groupCover(int anchor)
{
    QRegion region;
    for (const KitInstrument& instrument : kitInstruments()) {
        if (instrument.anchor == anchor)
            region += toRect(instrument.cover);
    }
    return region;
}

// Every set, the finer ones as the design size: what the program copies between them must
// agree at every scale.
class KitPictures : public ::testing::TestWithParam<PictureSet> {
protected:
    [[nodiscard]] static QImage load(const char* stem, const char* suffix = "")
    {
        return loadPicture(kDrumPictures, GetParam(), QLatin1String(stem), QLatin1String(suffix));
    }
    // Design pixels in the set's pixels.
    template <typename Area>
    [[nodiscard]] static Area px(const Area& area)
    {
        return inSet(area, GetParam());
    }
};

TEST_P(KitPictures, LitPicturesDifferFromTheRestOnlyInsideLitRectangles)
{
    const QImage rest = load("DB");
    for (const char* lit : {"", "GREEN"}) {
        SCOPED_TRACE(lit);
        EXPECT_EQ(differingPixelsOutside(rest, load("DH", lit), px(allLitRects())), 0);
    }
}

TEST_P(KitPictures, EveryInstrumentLightsUpInItsLitRectangle)
{
    const QImage rest = load("DB");
    const QImage host = load("DH");
    const QImage live = load("DH", "GREEN");
    for (int i = 0; i < drawing::kInstrumentCount; ++i) {
        SCOPED_TRACE(i + 27);
        const QRect lit = px(anchorLit(i));
        // A glow, not a stray pixel; the rectangle is often much larger than the part of the
        // instrument that lights up (a pair of thin sticks in a tall box).
        const int enough = std::max(20, lit.width() * lit.height() / 40);
        EXPECT_GE(differingPixels(rest, host, lit), enough);
        EXPECT_GE(differingPixels(rest, live, lit), enough);
        EXPECT_GE(differingPixels(host, live, lit), enough); // the two colours tell apart
    }
}

TEST_P(KitPictures, CopyingOneLitRectangleLightsNoOtherInstrument)
{
    const QImage rest = load("DB");
    for (const char* colour : {"", "GREEN"}) {
        const QImage lit = load("DH", colour);
        for (int a = 0; a < drawing::kInstrumentCount; ++a) {
            if (row(a).anchor != a)
                continue;
            SCOPED_TRACE(a + 27);
            QRegion others;
            for (int b = 0; b < drawing::kInstrumentCount; ++b) {
                if (row(b).anchor == b && b != a)
                    others += toRect(row(b).lit);
            }
            const QRegion shared = px(others & QRegion(anchorLit(a)));
            for (const QRect& overlap : shared)
                EXPECT_EQ(differingPixels(rest, lit, overlap), 0);
        }
    }
}

TEST_P(KitPictures, NothingIsDrawnOutsideTheCoverRectangles)
{
    // Hiding an instrument blacks out its cover rectangle; nothing may be left beside it.
    for (const char* suffix : {"", "HINT"}) {
        const QImage kit = load("DB", suffix);
        QImage black(kit.size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        EXPECT_EQ(differingPixelsOutside(kit, black, px(allCovers())), 0) << suffix;
    }
}

TEST_P(KitPictures, ThePatchRestoredBesideTheTurntableShowsNoTurntable)
{
    // Show Used Instruments copies this patch back from the kit picture after hiding the
    // turntable; it must not bring any of the turntable back.
    const QRect patch(QPoint(326, 73), QPoint(342, 94));
    for (const char* suffix : {"", "HINT"}) {
        const QImage kit = load("DB", suffix);
        QImage black(kit.size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        EXPECT_EQ(differingPixels(kit, black, px(patch)), 0) << suffix;
    }
}

TEST_P(KitPictures, EveryKeyIsPrintedWhereItsInstrumentPlays)
{
    const QImage rest = load("DB");
    const QImage hints = load("DB", "HINT");
    EXPECT_EQ(differingPixelsOutside(rest, hints, px(allCovers())), 0);
    for (int i = 0; i < drawing::kInstrumentCount; ++i) {
        SCOPED_TRACE(i + 27);
        const QRect where = px(toRect(row(i).hit) & toRect(row(i).cover));
        EXPECT_GT(differingPixels(rest, hints, where), 0);
    }
}

TEST_P(KitPictures, SmallPicturesLineUpWithTheKitAroundThem)
{
    struct Small {
        const char* stem;
        const char* suffix;
        const char* base;
        const char* baseSuffix;
        int anchor;
    };
    using enum gm::PercussionSound;
    const Small smalls[] = {
        {"HHC", "", "DB", "", ClosedHiHat},
        {"HHC", "GREEN", "DB", "", ClosedHiHat},
        {"HHFC", "", "DB", "", ClosedHiHat},
        {"HHFC", "GREEN", "DB", "", ClosedHiHat},
        {"HHFC", "HINT", "DB", "HINT", ClosedHiHat},
        {"HHFC", "HINTGREEN", "DB", "HINT", ClosedHiHat},
        {"MTRI", "", "DB", "", MuteTriangle},
        {"MTRI", "GREEN", "DB", "", MuteTriangle},
        {"SGUIRO", "", "DB", "", ShortGuiro},
        {"SGUIRO", "GREEN", "DB", "", ShortGuiro},
    };
    for (const Small& small : smalls) {
        SCOPED_TRACE(::testing::Message() << small.stem << small.suffix);
        const QImage picture = load(small.stem, small.suffix);
        const QRect at = anchorLit(small.anchor);
        ASSERT_EQ(picture.size(), px(at).size());
        const QImage around = load(small.base, small.baseSuffix).copy(px(at));
        // It changes its own instrument, and only that.
        const QRegion own = px(groupCover(small.anchor).translated(-at.topLeft()));
        EXPECT_EQ(differingPixelsOutside(around, picture, own), 0);
        EXPECT_GT(differingPixels(around, picture, picture.rect()), 0);
    }
}

TEST_P(KitPictures, ClosedHiHatLooksDifferFromEachOtherAndFromTheOpenOnes)
{
    const QRect at = px(anchorLit(drawing::ClosedHiHat));
    const QImage openRest = load("DB").copy(at);
    const QImage openLit = load("DH").copy(at);
    const QImage closedLit = load("HHC");
    const QImage closedRest = load("HHFC");
    for (const QImage* other : {&openRest, &openLit, &closedRest})
        EXPECT_GT(differingPixels(closedLit, *other, closedLit.rect()), 0);
    EXPECT_GT(differingPixels(closedRest, openRest, closedRest.rect()), 0);
}

INSTANTIATE_TEST_SUITE_P(Set, KitPictures, testing::kEveryKitPictureSet, testing::pictureSetName);

} // namespace
} // namespace velmar
