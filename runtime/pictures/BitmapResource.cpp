#include "runtime/pictures/BitmapResource.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace velmar {
namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kSmallestInfoHeader = 40;
constexpr std::int64_t kMaxSide = 16384;
// Far above any picture the programs ship, so a damaged size field cannot make us read or
// allocate much.
constexpr qint64 kMaxResourceSize = 64 * 1024 * 1024;

struct DibLayout {
    qsizetype infoHeaderSize;
    qsizetype colorTableSize;
};

std::uint32_t readU32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(bytes.data() + at);
}

std::int32_t readI32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<std::int32_t>(bytes.data() + at);
}

std::uint16_t readU16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(bytes.data() + at);
}

void writeU32(char* at, std::uint32_t value)
{
    qToLittleEndian(value, at);
}

bool knownInfoHeaderSize(std::uint32_t size)
{
    // BITMAPINFOHEADER, BITMAPV4HEADER, BITMAPV5HEADER.
    return size == 40 || size == 108 || size == 124;
}

bool knownBitCount(std::uint16_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Where the parts of a device-independent bitmap lie, once every size in its header has
// been checked against the bytes that are there.
std::optional<DibLayout> dibLayout(QByteArrayView dib)
{
    if (dib.size() < kSmallestInfoHeader || dib.size() > kMaxResourceSize)
        return std::nullopt;
    const std::uint32_t headerSize = readU32(dib, 0);
    const std::int64_t width = readI32(dib, 4);
    const std::int64_t height = readI32(dib, 8);
    const std::uint16_t planes = readU16(dib, 12);
    const std::uint16_t bitCount = readU16(dib, 14);
    const std::uint32_t compression = readU32(dib, 16);
    const std::uint32_t colorsUsed = readU32(dib, 32);
    constexpr std::uint32_t kUncompressed = 0;

    if (!knownInfoHeaderSize(headerSize) || planes != 1 || !knownBitCount(bitCount) ||
        compression != kUncompressed)
        return std::nullopt;
    if (width < 1 || width > kMaxSide || height == 0 || std::llabs(height) > kMaxSide)
        return std::nullopt;

    const std::int64_t fullTable = bitCount <= 8 ? std::int64_t{1} << bitCount : 256;
    if (colorsUsed > fullTable)
        return std::nullopt;
    const std::int64_t colors = colorsUsed != 0 || bitCount > 8 ? colorsUsed : fullTable;

    const std::int64_t rowBytes = (width * bitCount + 31) / 32 * 4;
    const std::int64_t needed =
        std::int64_t{headerSize} + colors * 4 + rowBytes * std::llabs(height);
    if (needed > dib.size())
        return std::nullopt;
    return DibLayout{static_cast<qsizetype>(headerSize), static_cast<qsizetype>(colors * 4)};
}

bool isResourceName(QStringView name)
{
    if (name.isEmpty() || name.size() > 64)
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
                           (u >= u'0' && u <= u'9') || u == u'_';
        if (!plain)
            return false;
    }
    return true;
}

} // namespace

QByteArray BmpFileImage(QByteArrayView resource)
{
    const std::optional<DibLayout> layout = dibLayout(resource);
    if (!layout)
        return {};
    QByteArray file(kFileHeaderSize + resource.size(), Qt::Uninitialized);
    char* out = file.data();
    out[0] = 'B';
    out[1] = 'M';
    writeU32(out + 2, static_cast<std::uint32_t>(file.size()));
    writeU32(out + 6, 0); // both reserved words
    writeU32(out + 10, static_cast<std::uint32_t>(kFileHeaderSize + layout->infoHeaderSize +
                                                  layout->colorTableSize));
    std::copy(resource.begin(), resource.end(), out + kFileHeaderSize);
    return file;
}

bool LoadBitmapResource(QStringView name, QImage& bitmap, QStringView module)
{
    // Only plain names: nothing a caller passes can reach outside the module's directory.
    if (!isResourceName(name))
        return false;
    QFile resource(module.toString() + QLatin1Char('/') + name.toString().toUpper());
    if (!resource.open(QIODevice::ReadOnly) || resource.size() > kMaxResourceSize)
        return false;
    const QByteArray file = BmpFileImage(resource.readAll());
    if (file.isEmpty())
        return false;
    QImage decoded;
    if (!decoded.loadFromData(file, "BMP"))
        return false;
    bitmap = std::move(decoded);
    return true;
}

} // namespace velmar
