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
using testing::loadPicture;

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

QString name(const char* stem, int bits, const char* suffix = "")
{
    return QLatin1String(stem) + QString::number(bits) + QLatin1String(suffix);
}

class KitPictures : public ::testing::TestWithParam<int> {
protected:
    [[nodiscard]] QImage load(const char* stem, const char* suffix = "") const
    {
        return loadPicture(kDrumPictures, name(stem, GetParam(), suffix));
    }
};

TEST_P(KitPictures, LitPicturesDifferFromTheRestOnlyInsideLitRectangles)
{
    const QImage rest = load("DB");
    for (const char* lit : {"", "GREEN"}) {
        SCOPED_TRACE(lit);
        EXPECT_EQ(differingPixelsOutside(rest, load("DH", lit), allLitRects()), 0);
    }
}

TEST_P(KitPictures, EveryInstrumentLightsUpInItsLitRectangle)
{
    const QImage rest = load("DB");
    const QImage host = load("DH");
    const QImage live = load("DH", "GREEN");
    for (int i = 0; i < drawing::kInstrumentCount; ++i) {
        SCOPED_TRACE(i + 27);
        const QRect lit = anchorLit(i);
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
            const QRegion shared = others & QRegion(anchorLit(a));
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
        EXPECT_EQ(differingPixelsOutside(kit, black, allCovers()), 0) << suffix;
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
        EXPECT_EQ(differingPixels(kit, black, patch), 0) << suffix;
    }
}

TEST_P(KitPictures, EveryKeyIsPrintedWhereItsInstrumentPlays)
{
    const QImage rest = load("DB");
    const QImage hints = load("DB", "HINT");
    EXPECT_EQ(differingPixelsOutside(rest, hints, allCovers()), 0);
    for (int i = 0; i < drawing::kInstrumentCount; ++i) {
        SCOPED_TRACE(i + 27);
        const QRect where = toRect(row(i).hit) & toRect(row(i).cover);
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
        SCOPED_TRACE(name(small.stem, GetParam(), small.suffix).toStdString());
        const QImage picture = load(small.stem, small.suffix);
        const QRect at = anchorLit(small.anchor);
        ASSERT_EQ(picture.size(), at.size());
        const QImage around = load(small.base, small.baseSuffix).copy(at);
        // It changes its own instrument, and only that.
        const QRegion own = groupCover(small.anchor).translated(-at.topLeft());
        EXPECT_EQ(differingPixelsOutside(around, picture, own), 0);
        EXPECT_GT(differingPixels(around, picture, picture.rect()), 0);
    }
}

TEST_P(KitPictures, ClosedHiHatLooksDifferFromEachOtherAndFromTheOpenOnes)
{
    const QRect at = anchorLit(drawing::ClosedHiHat);
    const QImage openRest = load("DB").copy(at);
    const QImage openLit = load("DH").copy(at);
    const QImage closedLit = load("HHC");
    const QImage closedRest = load("HHFC");
    for (const QImage* other : {&openRest, &openLit, &closedRest})
        EXPECT_GT(differingPixels(closedLit, *other, closedLit.rect()), 0);
    EXPECT_GT(differingPixels(closedRest, openRest, closedRest.rect()), 0);
}

INSTANTIATE_TEST_SUITE_P(Depth, KitPictures, ::testing::Values(4, 8),
                         [](const auto& tested) { return std::to_string(tested.param) + "bit"; });

} // namespace
} // namespace velmar
