#include "runtime/pictures/ColorCount.h"

#include <QScreen>

namespace velmar {

int ColorCountOfDepth(int bitsPerPixel)
{
    if (bitsPerPixel < 0 || bitsPerPixel > 30)
        return 30000;
    return 1 << bitsPerPixel;
}

int ColorCount(const QScreen* screen)
{
    constexpr int kHeadlessDepth = 32;
    return ColorCountOfDepth(screen != nullptr ? screen->depth() : kHeadlessDepth);
}

QChar PictureDigit(int colorCount)
{
    return colorCount > 256 ? QLatin1Char('8') : QLatin1Char('4');
}

QString PictureName(QStringView stem, int colorCount, QStringView suffix)
{
    QString name;
    name.reserve(stem.size() + 1 + suffix.size());
    name.append(stem).append(PictureDigit(colorCount)).append(suffix);
    return name;
}

} // namespace velmar
