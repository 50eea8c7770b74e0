#include "tools/pictures/PictureSet.h"

#include "tools/pictures/ColorReduction.h"
#include "tools/pictures/DibEncoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

namespace velmar::drawing {
namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString resourceName(const PictureDrawing& picture, int bits)
{
    return (picture.stem + QString::number(bits) + picture.suffix).toUpper();
}

// Reduced whole and then cropped, so that a crop keeps the pixels of its place.
QImage reduced(const PictureDrawing& picture, const ColorReduction& reduction)
{
    const QImage whole = reduceColors(picture.drawing, reduction);
    return picture.crop.isEmpty() ? whole : whole.copy(picture.crop);
}

ColorReduction manyColors(const PictureFamily& family)
{
    QList<QImage> drawings;
    for (const PictureDrawing& picture : family.pictures)
        drawings.append(picture.crop.isEmpty() ? picture.drawing
                                               : picture.drawing.copy(picture.crop));
    return {choosePalette(drawings, 256), 0};
}

QByteArray encodePng(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // the strongest compression
    return writer.write(picture) ? png : QByteArray();
}

} // namespace

QList<EncodedPicture> encodeFamily(const PictureFamily& family)
{
    const ColorReduction sixteen{standardPalette(), family.sixteenColorDither,
                                 family.sixteenColorSaturation};
    const ColorReduction many = manyColors(family);
    QList<EncodedPicture> encoded;
    for (const PictureDrawing& picture : family.pictures) {
        encoded.append(
            EncodedPicture{{resourceName(picture, 4), encodeDib(reduced(picture, sixteen), 4)},
                           {resourceName(picture, 8), encodeDib(reduced(picture, many), 8)}});
    }
    return encoded;
}

FinerSet encodeFinerFamily(const PictureFamily& family, int scale)
{
    const ColorReduction many = manyColors(family);
    FinerSet set{scale, {}};
    for (const PictureDrawing& picture : family.pictures)
        set.pictures.append({resourceName(picture, 8), encodePng(reduced(picture, many))});
    return set;
}

bool writeModule(const QString& directory, const QString& name, QStringView module,
                 const ModuleContents& contents)
{
    QDir root(directory);
    // The resource system wants the prefix without the leading colon.
    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"%1\">\n").arg(module.mid(1));
    const auto add = [&](const QString& folder, const QString& alias, const QString& file,
                         const QByteArray& bytes) {
        if (!root.mkpath(folder) ||
            !writeFile(root.filePath(folder + QLatin1Char('/') + file), bytes))
            return false;
        qrc += QStringLiteral("    <file alias=\"%1\">%2/%3</file>\n").arg(alias, folder, file);
        return true;
    };
    for (const EncodedPicture& picture : contents.pictures) {
        for (const BitmapResourceFile& resource : {picture.sixteenColors, picture.manyColors}) {
            if (!add(name, resource.name, resource.name, resource.dib))
                return false;
        }
    }
    for (const FinerSet& set : contents.finer) {
        const QString subfolder = QString::number(set.scale) + QLatin1Char('x');
        for (const FinerPicture& picture : set.pictures) {
            const QString file = picture.name + QStringLiteral(".png");
            if (!add(name + QLatin1Char('/') + subfolder, subfolder + QLatin1Char('/') + file, file,
                     picture.png))
                return false;
        }
    }
    for (const QImage& icon : contents.icons) {
        const QString file = QString::number(icon.width()) + QStringLiteral(".png");
        if (!add(name + QStringLiteral("/icon"), QStringLiteral("icon/") + file, file,
                 encodePng(icon)))
            return false;
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    return writeFile(root.filePath(name + QStringLiteral(".qrc")), qrc.toUtf8());
}

} // namespace velmar::drawing
