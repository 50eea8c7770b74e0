#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QStringView>

namespace velmar {

// The BMP file that a bitmap resource stands for: the 14-byte file header, then the resource
// itself (a device-independent bitmap: information header, colour table, pixel rows). Empty
// when the resource cannot be read whole as an uncompressed bitmap: too short for its
// header, colour table or rows, an unknown header size, sides of 0 or above 16384 pixels,
// more colours than its depth allows.
[[nodiscard]] QByteArray BmpFileImage(QByteArrayView resource);

// Loads the bitmap resource `name` of `module` (a resource directory, PictureModules.h)
// into `bitmap`; names are matched without regard to case. False, and `bitmap` unchanged,
// when the module has no such resource or it is not a readable bitmap.
bool LoadBitmapResource(QStringView name, QImage& bitmap, QStringView module);

} // namespace velmar
