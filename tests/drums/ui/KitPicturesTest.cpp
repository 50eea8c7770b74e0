#include "drums/ui/KitPictures.h"

#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/ProgramIcon.h"

#include <QIcon>
#include <gtest/gtest.h>

namespace velmar::drums {
namespace {

constexpr std::array kColours{HitColour::HostPlayback, HitColour::LiveInput};

TEST(KitPictures, EveryPictureLoadsForBothDepthsAndBothKeyCaps)
{
    for (const int colours : {16, 256, 30000}) {
        for (const bool qwerty : {false, true}) {
            KitPictures pictures;
            EXPECT_TRUE(pictures.Load({1.0, colours, qwerty, 600})) << colours << ' ' << qwerty;
        }
    }
}

TEST(KitPictures, ScaledByTheZoomAndTheTransportSqueezed)
{
    KitPictures pictures;
    ASSERT_TRUE(pictures.Load({0.25, 30000, false, 150}));
    for (const KitPicture kit :
         {KitPicture::KitImage, KitPicture::HitImage, KitPicture::LocalHitImage})
        EXPECT_EQ(pictures.Kit(kit).size(), QSize(150, 100));
    for (const HitColour colour : kColours) {
        // 69 × 46, 63 × 56, 79 × 81, each side rounded halves to even.
        EXPECT_EQ(pictures.Small(SmallPicture::HiHatClosedImage, colour).size(), QSize(17, 12));
        EXPECT_EQ(pictures.Small(SmallPicture::HiHatClosedHitImage, colour).size(), QSize(17, 12));
        EXPECT_EQ(pictures.Small(SmallPicture::MuteTriangleHitImage, colour).size(), QSize(16, 14));
        EXPECT_EQ(pictures.Small(SmallPicture::ShortGuiroHitImage, colour).size(), QSize(20, 20));
    }
    EXPECT_EQ(pictures.Transport(TransportLook::Play, SizeHighlight::Full).size(), QSize(150, 17));

    ASSERT_TRUE(pictures.Load({1.5, 30000, false, 900}));
    EXPECT_EQ(pictures.Kit(KitPicture::KitImage).size(), QSize(900, 600));
    EXPECT_EQ(pictures.Transport(TransportLook::Stop, SizeHighlight::None).size(), QSize(336, 17))
        << "the bar keeps its size in a wider window";
}

TEST(KitPictures, TheWindowIconHasADrawingForEachDensity)
{
    const QIcon icon = ProgramIcon(kDrumPictures);
    for (const int side : {16, 24, 32}) {
        for (const int density : {1, 2, 3}) {
            SCOPED_TRACE(::testing::Message() << side << " at " << density);
            const int pixels = side * density;
            ASSERT_TRUE(icon.availableSizes().contains(QSize(pixels, pixels)));
            // Drawn for those pixels, not scaled from another size.
            const QImage drawn(QStringLiteral(":/pictures/drums/icon/%1.png").arg(pixels));
            EXPECT_EQ(icon.pixmap(QSize(side, side), density).toImage(),
                      drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
}

} // namespace
} // namespace velmar::drums
