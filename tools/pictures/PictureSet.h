#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>

namespace velmar::drawing {

// One picture as drawn: its name parts around the depth digit ("DB" + "HINT" gives DB4HINT
// and DB8HINT), the drawing, and the part of the drawing that is the picture.
struct PictureDrawing {
    QString stem;
    QString suffix;
    QImage drawing;
    QRect crop; // empty: the whole drawing
};

// Pictures that are copied into one another on screen share one 256-colour palette and one
// pixel grid, so that a rectangle copied from one lines up with the others exactly.
struct PictureFamily {
    QList<PictureDrawing> pictures;
    // How the 16-colour versions are made: pictures of round, shaded, glowing things keep
    // more of their shading and colour with a dither and stronger colour; flat pictures
    // drawn in the standard palette's own colours look best without either.
    int sixteenColorDither = 0;
    double sixteenColorSaturation = 1.0;
};

struct BitmapResourceFile {
    QString name;
    QByteArray dib;
};

// One picture in both versions.
struct EncodedPicture {
    BitmapResourceFile sixteenColors; // "4": the standard palette
    BitmapResourceFile manyColors;    // "8": 256 colours chosen for the family
};

[[nodiscard]] QList<EncodedPicture> encodeFamily(const PictureFamily& family);

// One picture of a finer set, under its "8" name.
struct FinerPicture {
    QString name;
    QByteArray png;
};

// A family drawn `scale` times as fine as its design, in 256 colours chosen for it as for
// its "8" pictures.
struct FinerSet {
    int scale = 2;
    QList<FinerPicture> pictures;
};

[[nodiscard]] FinerSet encodeFinerFamily(const PictureFamily& family, int scale);

// Everything one program embeds: its pictures, their finer sets and its icon at every size.
struct ModuleContents {
    QList<EncodedPicture> pictures;
    QList<FinerSet> finer;
    QList<QImage> icons;
};

// Writes the resources of one program into `directory`: a folder of bitmap files named like
// the resources, the finer sets' PNG files in its subfolders "2x", "3x" and so on, the icons as
// "icon/<size>.png", and `<name>.qrc` that embeds them under `module` (":/pictures/drums"
// and the like). False when a file cannot be written.
bool writeModule(const QString& directory, const QString& name, QStringView module,
                 const ModuleContents& contents);

} // namespace velmar::drawing
