#pragma once

#include <QByteArray>
#include <QImage>

namespace velmar::drawing {

// A bitmap resource: BITMAPINFOHEADER, the colour table and the pixel rows, bottom row first,
// each row padded to 4 bytes; no file header. `picture` is indexed (Format_Indexed8) and
// uses no more than 2^bitsPerPixel colours; bitsPerPixel is 4 or 8.
[[nodiscard]] QByteArray encodeDib(const QImage& picture, int bitsPerPixel);

} // namespace velmar::drawing
