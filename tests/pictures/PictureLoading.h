#pragma once

#include "runtime/pictures/BitmapResource.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace velmar::testing {

// An embedded picture, decoded; a test that gets a null image has already failed.
[[nodiscard]] inline QImage loadPicture(QStringView module, const QString& name)
{
    QImage image;
    EXPECT_TRUE(LoadBitmapResource(name, image, module)) << name.toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace velmar::testing
