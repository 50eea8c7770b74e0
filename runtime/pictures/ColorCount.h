#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

class QScreen;

namespace velmar {

// The number of colours a display of `bitsPerPixel` shows: 2 to that power, except that
// depths below 0 or above 30 give 30000 (still "more than 256", so they take the 256-colour
// pictures).
[[nodiscard]] int ColorCountOfDepth(int bitsPerPixel);

// The number of colours `screen` shows. Without a screen (a program run headless) the count
// of a 32-bit display.
[[nodiscard]] int ColorCount(const QScreen* screen);

// The digit that picks a picture's version: '8' (256 colours) when the display shows more
// than 256 colours, '4' (16 colours) otherwise.
[[nodiscard]] QChar PictureDigit(int colorCount);

// A picture's resource name for a display of `colorCount` colours: "DB" and "HINT" give
// "DB8HINT" or "DB4HINT"; "PLA" and "11" give "PLA811" or "PLA411".
[[nodiscard]] QString PictureName(QStringView stem, int colorCount, QStringView suffix = {});

} // namespace velmar
