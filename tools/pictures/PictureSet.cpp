#include "tools/pictures/PictureSet.h"

#include "tools/pictures/ColorReduction.h"
#include "tools/pictures/DibEncoder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace velmar::drawing {
namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

QList<EncodedPicture> encodeFamily(const PictureFamily& family)
{
    QList<QImage> drawings;
    for (const PictureDrawing& picture : family.pictures)
        drawings.append(picture.crop.isEmpty() ? picture.drawing
                                               : picture.drawing.copy(picture.crop));
    const ColorReduction sixteen{standardPalette(), family.sixteenColorDither,
                                 family.sixteenColorSaturation};
    const ColorReduction many{choosePalette(drawings, 256), 0};

    // Reduced whole and then cropped, so that a crop keeps the pixels of its place.
    const auto encode = [](const PictureDrawing& picture, const ColorReduction& reduction,
                           int bits) {
        const QImage whole = reduceColors(picture.drawing, reduction);
        const QImage reduced = picture.crop.isEmpty() ? whole : whole.copy(picture.crop);
        const QString name = picture.stem + QString::number(bits) + picture.suffix;
        return BitmapResourceFile{name.toUpper(), encodeDib(reduced, bits)};
    };
    QList<EncodedPicture> encoded;
    for (const PictureDrawing& picture : family.pictures)
        encoded.append({encode(picture, sixteen, 4), encode(picture, many, 8)});
    return encoded;
}

bool writeModule(const QString& directory, const QString& name, QStringView module,
                 const QList<EncodedPicture>& pictures)
{
    QDir root(directory);
    if (!root.mkpath(name))
        return false;
    // The resource system wants the prefix without the leading colon.
    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"%1\">\n").arg(module.mid(1));
    for (const EncodedPicture& picture : pictures) {
        for (const BitmapResourceFile& resource : {picture.sixteenColors, picture.manyColors}) {
            if (!writeFile(root.filePath(name + QLatin1Char('/') + resource.name), resource.dib))
                return false;
            qrc += QStringLiteral("    <file alias=\"%1\">%2/%1</file>\n").arg(resource.name, name);
        }
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    return writeFile(root.filePath(name + QStringLiteral(".qrc")), qrc.toUtf8());
}

} // namespace velmar::drawing
