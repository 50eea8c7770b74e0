#include "tools/pictures/DibEncoder.h"

#include <QtEndian>

#include <cstdint>

namespace velmar::drawing {
namespace {

constexpr int kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780; // 96 dots per inch

void append32(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void append16(QByteArray& out, std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QByteArray encodeDib(const QImage& picture, int bitsPerPixel)
{
    Q_ASSERT(picture.format() == QImage::Format_Indexed8);
    Q_ASSERT(bitsPerPixel == 4 || bitsPerPixel == 8);
    const int colors = 1 << bitsPerPixel;
    const int width = picture.width();
    const int height = picture.height();
    const int rowBytes = (width * bitsPerPixel + 31) / 32 * 4;

    QByteArray out;
    out.reserve(kInfoHeaderSize + colors * 4 + rowBytes * height);
    append32(out, kInfoHeaderSize);
    append32(out, static_cast<std::uint32_t>(width));
    append32(out, static_cast<std::uint32_t>(height)); // positive: bottom row first
    append16(out, 1);                                  // planes
    append16(out, static_cast<std::uint16_t>(bitsPerPixel));
    append32(out, 0); // no compression
    append32(out, static_cast<std::uint32_t>(rowBytes * height));
    append32(out, kPixelsPerMetre);
    append32(out, kPixelsPerMetre);
    append32(out, static_cast<std::uint32_t>(colors)); // colours used
    append32(out, 0);                                  // all of them important

    const QList<QRgb> table = picture.colorTable();
    for (int i = 0; i < colors; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        const char entry[4] = {static_cast<char>(qBlue(c)), static_cast<char>(qGreen(c)),
                               static_cast<char>(qRed(c)), 0};
        out.append(entry, 4);
    }

    QByteArray row(rowBytes, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const uchar* in = picture.constScanLine(y);
        row.fill('\0');
        for (int x = 0; x < width; ++x) {
            Q_ASSERT(in[x] < colors);
            if (bitsPerPixel == 8) {
                row[x] = static_cast<char>(in[x]);
            } else {
                const int shift = (x & 1) == 0 ? 4 : 0; // left pixel in the high nibble
                row[x / 2] = static_cast<char>(static_cast<uchar>(row[x / 2]) | (in[x] << shift));
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace velmar::drawing
