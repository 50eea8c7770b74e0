#pragma once

#include "runtime/pictures/BitmapResource.h"
#include "runtime/pictures/PictureSets.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <gtest/gtest.h>

#include <string>

namespace velmar::testing {

// An embedded picture, decoded; a test that gets a null image has already failed.
[[nodiscard]] inline QImage loadPicture(QStringView module, const QString& name)
{
    QImage image;
    EXPECT_TRUE(LoadBitmapResource(name, image, module)) << name.toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

// The pictures a test looks at: a depth at the design size, or a finer set, whose pictures
// have 256 colours.
struct PictureSet {
    int bits;
    int scale;
};

inline const auto kEveryPictureSet =
    ::testing::Values(PictureSet{4, 1}, PictureSet{8, 1}, PictureSet{8, 2}, PictureSet{8, 3});
// The kit is also zoomed, and comes in one set more.
inline const auto kEveryKitPictureSet = ::testing::Values(
    PictureSet{4, 1}, PictureSet{8, 1}, PictureSet{8, 2}, PictureSet{8, 3}, PictureSet{8, 5});

inline std::string pictureSetName(const ::testing::TestParamInfo<PictureSet>& info)
{
    return std::to_string(info.param.bits) + "bit" +
           (info.param.scale > 1 ? std::to_string(info.param.scale) + "x" : std::string());
}

// Picture `stem` + depth digit + `suffix` of `set`, decoded.
[[nodiscard]] inline QImage loadPicture(QStringView module, const PictureSet& set,
                                        const QString& stem, const QString& suffix = {})
{
    const QString name = stem + QString::number(set.bits) + suffix;
    if (set.scale == 1)
        return loadPicture(module, name);
    QImage image(PictureSetPath(module, set.scale, name));
    EXPECT_FALSE(image.isNull()) << set.scale << "x/" << name.toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

// Design pixels in the pixels of `set`.
[[nodiscard]] inline QRect inSet(const QRect& rect, const PictureSet& set)
{
    return {rect.topLeft() * set.scale, rect.size() * set.scale};
}

[[nodiscard]] inline QRegion inSet(const QRegion& region, const PictureSet& set)
{
    return QTransform::fromScale(set.scale, set.scale).map(region);
}

} // namespace velmar::testing
