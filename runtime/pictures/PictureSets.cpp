#include "runtime/pictures/PictureSets.h"

#include "runtime/pictures/BitmapResource.h"

#include <QImageReader>

#include <cmath>
#include <cstddef>

namespace velmar {

int PictureSetScale(double wanted)
{
    for (const int scale : kPictureSetScales) {
        if (scale >= wanted)
            return scale;
    }
    return kPictureSetScales.back();
}

QString PictureSetPath(QStringView module, int scale, QStringView name)
{
    return module.toString() + QLatin1Char('/') + QString::number(scale) + QStringLiteral("x/") +
           name.toString() + QStringLiteral(".png");
}

std::optional<SetPicture> LoadSetPicture(QStringView name, double wanted, QStringView module)
{
    // The design-size resource tells the size every set is drawn to.
    SetPicture picture;
    if (!LoadBitmapResource(name, picture.Image, module))
        return std::nullopt;
    picture.DesignSize = picture.Image.size();
    const QString stored = name.toString().toUpper();
    const int finest = PictureSetScale(wanted);
    // Finest first; the first set is the design size.
    for (std::size_t index = kPictureSetScales.size() - 1; index > 0; --index) {
        const int scale = kPictureSetScales[index];
        if (scale > finest)
            continue;
        QImageReader reader(PictureSetPath(module, scale, stored), "png");
        if (reader.size() != picture.DesignSize * scale)
            continue;
        if (QImage finer = reader.read(); !finer.isNull()) {
            picture.Image = std::move(finer);
            break;
        }
    }
    return picture;
}

QSize DeviceSize(QSize size, qreal ratio)
{
    return DeviceRect(QRect(QPoint(0, 0), size), ratio).size();
}

QRect DeviceRect(const QRect& rect, qreal ratio)
{
    const auto device = [ratio](int logical) {
        return static_cast<int>(std::lround(logical * ratio));
    };
    return QRect(QPoint(device(rect.left()), device(rect.top())),
                 QPoint(device(rect.left() + rect.width()), device(rect.top() + rect.height())) -
                     QPoint(1, 1));
}

QImage ScreenPicture(const SetPicture& picture, QSize logicalSize, qreal ratio)
{
    const QSize size = DeviceSize(logicalSize, ratio);
    // Scaled from true colour: Qt scales a picture of indexed colours about ten times slower.
    QImage shown = picture.Image.size() == size
                       ? picture.Image
                       : picture.Image.convertToFormat(QImage::Format_RGB32)
                             .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    return shown;
}

} // namespace velmar
