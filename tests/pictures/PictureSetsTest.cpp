#include "runtime/pictures/PictureSets.h"

#include "runtime/pictures/PictureCache.h"
#include "runtime/pictures/PictureModules.h"
#include "tools/pictures/DibEncoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(PictureSets, TheSmallestSetFineEnoughElseTheFinest)
{
    const std::pair<double, int> cases[] = {{0.25, 1}, {1.0, 1}, {1.01, 2}, {1.5, 2}, {2.0, 2},
                                            {2.5, 3},  {3.0, 3}, {3.01, 5}, {5.0, 5}, {7.5, 5}};
    for (const auto& [wanted, scale] : cases)
        EXPECT_EQ(PictureSetScale(wanted), scale) << wanted;
}

TEST(PictureSets, DeviceRectanglesTileAsTheLogicalOnesDo)
{
    EXPECT_EQ(DeviceRect(QRect(10, 20, 30, 40), 1.0), QRect(10, 20, 30, 40));
    EXPECT_EQ(DeviceRect(QRect(10, 20, 30, 40), 2.0), QRect(20, 40, 60, 80));
    EXPECT_EQ(DeviceSize(QSize(600, 400), 3.0), QSize(1800, 1200));
    // Side by side at an uneven ratio: no device pixel twice, none left out.
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        int right = DeviceRect(QRect(0, 0, 7, 9), ratio).right();
        for (int left = 7; left < 70; left += 7) {
            const QRect device = DeviceRect(QRect(left, 0, 7, 9), ratio);
            EXPECT_EQ(device.left(), right + 1) << ratio << ' ' << left;
            right = device.right();
        }
    }
}

TEST(PictureSets, ManyColourPicturesComeFromTheFinerSets)
{
    const auto twice = LoadSetPicture(u"DB8", 2.0, kDrumPictures);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->DesignSize, QSize(600, 400));
    EXPECT_EQ(twice->Image.size(), QSize(1200, 800));

    const auto thrice = LoadSetPicture(u"monpos8", 2.5, kMonitorPictures);
    ASSERT_TRUE(thrice);
    EXPECT_EQ(thrice->Image.size(), QSize(936, 111));

    // Zoomed five times at twice the density, the kit comes from its finest set; the
    // transport bar, never zoomed, from the finest set it has.
    const auto kitFiveTimes = LoadSetPicture(u"DH8GREEN", 5.0, kDrumPictures);
    ASSERT_TRUE(kitFiveTimes);
    EXPECT_EQ(kitFiveTimes->Image.size(), QSize(3000, 2000));
    const auto barFiveTimes = LoadSetPicture(u"PLA811", 5.0, kDrumPictures);
    ASSERT_TRUE(barFiveTimes);
    EXPECT_EQ(barFiveTimes->Image.size(), QSize(1008, 51));

    // Sixteen colours come at the design size only.
    const auto sixteen = LoadSetPicture(u"DH4GREEN", 3.0, kDrumPictures);
    ASSERT_TRUE(sixteen);
    EXPECT_EQ(sixteen->Image.size(), QSize(600, 400));

    EXPECT_FALSE(LoadSetPicture(u"DB9", 2.0, kDrumPictures));
    EXPECT_FALSE(LoadSetPicture(u"../DB8", 2.0, kDrumPictures));
}

TEST(PictureSets, AFinerPictureOfTheWrongSizeIsNotUsed)
{
    QTemporaryDir module;
    ASSERT_TRUE(module.isValid());
    QImage design(4, 3, QImage::Format_Indexed8);
    design.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});
    design.fill(1);
    QFile resource(module.filePath(QStringLiteral("PIC8")));
    ASSERT_TRUE(resource.open(QIODevice::WriteOnly));
    resource.write(drawing::encodeDib(design, 8));
    resource.close();
    ASSERT_TRUE(QDir(module.path()).mkpath(QStringLiteral("2x")));
    QImage(9, 6, QImage::Format_RGB32).save(PictureSetPath(module.path(), 2, u"PIC8"));

    const auto loaded = LoadSetPicture(u"pic8", 2.0, module.path());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Image.size(), QSize(4, 3));
    EXPECT_EQ(loaded->Image.pixel(0, 0), qRgb(255, 0, 0));

    // Of the right size in the 2x set, and in none finer: that set stands in for them.
    QImage twice(8, 6, QImage::Format_RGB32);
    twice.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(twice.save(PictureSetPath(module.path(), 2, u"PIC8")));
    const auto coarser = LoadSetPicture(u"pic8", 4.0, module.path());
    ASSERT_TRUE(coarser);
    EXPECT_EQ(coarser->Image.size(), QSize(8, 6));
    EXPECT_EQ(coarser->DesignSize, QSize(4, 3));
}

TEST(PictureSets, ACachedPictureIsDecodedOnceForEachSetInTurn)
{
    PictureCache cache(kDrumPictures);
    const auto first = cache.Load(u"db8", 1.5);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Image, LoadSetPicture(u"DB8", 1.5, kDrumPictures)->Image);

    const auto sameSet = cache.Load(u"DB8", 1.9);
    ASSERT_TRUE(sameSet);
    EXPECT_EQ(sameSet->Image.cacheKey(), first->Image.cacheKey()) << "decoded again";

    const auto finer = cache.Load(u"DB8", 2.5);
    ASSERT_TRUE(finer);
    EXPECT_EQ(finer->Image.size(), QSize(1800, 1200));
    const auto backAgain = cache.Load(u"DB8", 2.0);
    ASSERT_TRUE(backAgain);
    EXPECT_EQ(backAgain->Image.size(), QSize(1200, 800));

    EXPECT_FALSE(cache.Load(u"DB9", 2.0));
    EXPECT_FALSE(cache.Load(u"DB9", 2.0)) << "a missing picture stays missing";
}

TEST(PictureSets, AScaledPictureHasTheColoursOfItsSource)
{
    // Indexed colours are scaled from true colour; an even enlargement of a flat picture
    // keeps its colour exactly.
    QImage indexed(4, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 200, 30)});
    indexed.fill(0);
    const QImage shown = ScreenPicture({indexed, QSize(4, 2)}, QSize(4, 2), 2.5);
    EXPECT_EQ(shown.size(), QSize(10, 5));
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(4, 2));
    for (const QPoint pixel : {QPoint(0, 0), QPoint(9, 4), QPoint(5, 2)})
        EXPECT_EQ(shown.pixel(pixel), qRgb(10, 200, 30));
    EXPECT_EQ(ScreenPicture({indexed, QSize(4, 2)}, QSize(4, 2), 1.0).format(),
              QImage::Format_Indexed8)
        << "at its own size a picture is shown as it is";
}

} // namespace
} // namespace velmar
