#include "drums/ui/PanelCanvas.h"

#include "drums/core/ScaledKit.h"
#include "drums/core/WindowGeometry.h"
#include "runtime/GeneralMidiPercussion.h"
#include "runtime/pictures/PictureSets.h"
#include "tests/pictures/PictureComparison.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace velmar::drums {
namespace {

using enum gm::PercussionSound;
using velmar::testing::differingPixelsOutside;

// The panel on a screen of `ratio`, in its device pixels.
QImage shown(const PanelCanvas& canvas, const QWidget& panel, double ratio)
{
    QImage screen(DeviceSize(panel.size(), ratio), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(Qt::magenta);
    QPainter painter(&screen);
    canvas.Paint(painter);
    return screen;
}

QImage deviceArea(const QPixmap& picture, const QRect& area)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32).copy(area);
}

struct Screen {
    double ratio;
    double scale;
};

class PanelCanvasOnScreens : public ::testing::TestWithParam<Screen> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pictures.Load({.Scale = GetParam().scale,
                                   .ColorCount = 30000,
                                   .ClientWidth = PanelSize(GetParam().scale).width(),
                                   .DevicePixelRatio = GetParam().ratio}));
        panel.resize(PanelSize(GetParam().scale));
        kit.Rescale(GetParam().scale);
        canvas.CopyAll(KitPicture::KitImage);
    }

    [[nodiscard]] QImage screen() const { return shown(canvas, panel, GetParam().ratio); }
    [[nodiscard]] QRect device(const QRect& area) const
    {
        return DeviceRect(area, GetParam().ratio);
    }

    KitPictures pictures;
    QWidget panel;
    ScaledKit kit;
    PanelCanvas canvas{pictures, panel};
};

TEST_P(PanelCanvasOnScreens, TheKitFillsThePanelPixelForPixel)
{
    const QImage rest = screen();
    EXPECT_EQ(rest.size(), DeviceSize(PanelSize(GetParam().scale), GetParam().ratio));
    EXPECT_EQ(rest, deviceArea(pictures.Kit(KitPicture::KitImage), rest.rect()));
}

TEST_P(PanelCanvasOnScreens, ALitLookChangesItsRectangleAndNothingElse)
{
    for (const int row : {AcousticSnare, HandClap, Sticks, CrashCymbal1}) {
        SCOPED_TRACE(row);
        canvas.CopyAll(KitPicture::KitImage);
        const QImage before = screen();
        const QRect area = kit.LitRect(row);
        canvas.CopyRegion(KitPicture::HitImage, area);
        const QImage after = screen();
        EXPECT_EQ(differingPixelsOutside(before, after, device(area)), 0);
        EXPECT_EQ(after.copy(device(area)),
                  deviceArea(pictures.Kit(KitPicture::HitImage), device(area)));
        EXPECT_NE(after.copy(device(area)), before.copy(device(area)));
    }
}

TEST_P(PanelCanvasOnScreens, ASmallPictureFillsItsRectangleAndHidingBlacksOutOnlyTheCover)
{
    const QImage before = screen();
    const QRect hiHat = kit.LitRect(ClosedHiHat);
    canvas.CopyPicture(SmallPicture::HiHatClosedHitImage, HitColour::LiveInput, hiHat);
    const QImage lit = screen();
    EXPECT_EQ(differingPixelsOutside(before, lit, device(hiHat)), 0);
    EXPECT_NE(lit.copy(device(hiHat)), before.copy(device(hiHat)));

    const QRect cover = kit.CoverRect(Cowbell);
    canvas.FillBlack(cover);
    const QImage hidden = screen();
    EXPECT_EQ(differingPixelsOutside(lit, hidden, device(cover)), 0);
    const QImage black = hidden.copy(device(cover));
    EXPECT_TRUE(std::all_of(black.constBits(), black.constBits() + black.sizeInBytes(),
                            [](uchar byte) { return byte == 0 || byte == 0xff; }));
}

INSTANTIATE_TEST_SUITE_P(Ratio, PanelCanvasOnScreens,
                         ::testing::Values(Screen{1.0, 1.0}, Screen{2.0, 1.0}, Screen{2.0, 1.5},
                                           Screen{1.0, 2.5}),
                         [](const auto& tested) {
                             return "dpr" + std::to_string(static_cast<int>(tested.param.ratio)) +
                                    "scale" +
                                    std::to_string(static_cast<int>(tested.param.scale * 10));
                         });

} // namespace
} // namespace velmar::drums
