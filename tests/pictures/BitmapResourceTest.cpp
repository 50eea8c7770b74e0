#include "runtime/pictures/BitmapResource.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>

namespace velmar {
namespace {

// A device-independent bitmap the way the generator writes them: BITMAPINFOHEADER, a full
// colour table, rows bottom-up padded to 4 bytes.
class Dib {
public:
    Dib(std::int32_t width, std::int32_t height, std::uint16_t bits)
        : m_bits(bits)
    {
        const std::uint32_t colors = bits <= 8 ? 1U << bits : 0U;
        const std::int64_t rowBytes = (std::int64_t{width} * bits + 31) / 32 * 4;
        const std::int64_t rows = height < 0 ? -std::int64_t{height} : height;
        m_bytes = QByteArray(static_cast<qsizetype>(40 + colors * 4 + rowBytes * rows), '\0');
        put32(0, 40);
        put32(4, static_cast<std::uint32_t>(width));
        put32(8, static_cast<std::uint32_t>(height));
        put16(12, 1);
        put16(14, bits);
        put32(32, colors);
        // Colour 1 is pure red, so that pixels set to it are easy to find.
        if (colors > 1)
            m_bytes[40 + 4 + 2] = static_cast<char>(0xFF);
    }

    void put32(qsizetype at, std::uint32_t value) { qToLittleEndian(value, m_bytes.data() + at); }
    void put16(qsizetype at, std::uint16_t value) { qToLittleEndian(value, m_bytes.data() + at); }
    [[nodiscard]] qsizetype pixelOffset() const { return 40 + (qsizetype{1} << m_bits) * 4; }

    QByteArray m_bytes;

private:
    std::uint16_t m_bits;
};

std::uint32_t read32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

TEST(BmpFileImage, AddsTheFileHeaderInFrontOfTheResource)
{
    const Dib dib(312, 37, 4);
    ASSERT_EQ(dib.m_bytes.size(), 5876);

    const QByteArray file = BmpFileImage(dib.m_bytes);

    ASSERT_EQ(file.size(), 5890);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(read32(file, 2), 5890U);
    EXPECT_EQ(read32(file, 6), 0U); // both reserved words
    EXPECT_EQ(read32(file, 10), 118U);
    EXPECT_EQ(file.mid(14), dib.m_bytes);
}

TEST(BmpFileImage, PixelDataFollowsA256ColourTable)
{
    const QByteArray file = BmpFileImage(Dib(600, 400, 8).m_bytes);
    ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(read32(file, 10), 14U + 40U + 1024U);
}

TEST(BmpFileImage, ShorterColourTableMovesThePixelData)
{
    Dib dib(8, 2, 8);
    dib.put32(32, 3); // only three colours stored; the rows follow them
    dib.m_bytes.remove(40 + 3 * 4, (256 - 3) * 4);
    const QByteArray file = BmpFileImage(dib.m_bytes);
    ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(read32(file, 10), 14U + 40U + 12U);
}

struct Damage {
    const char* what;
    void (*apply)(Dib&);
};

class DamagedResource : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedResource, IsRefused)
{
    Dib dib(16, 4, 4);
    GetParam().apply(dib);
    EXPECT_TRUE(BmpFileImage(dib.m_bytes).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BmpFileImage, DamagedResource,
                         ::testing::Values(Damage{"empty",
                                                  [](Dib& d) {
                                                      d.m_bytes.clear();
                                                  }},
                                           Damage{"header cut short",
                                                  [](Dib& d) {
                                                      d.m_bytes.truncate(39);
                                                  }},
                                           Damage{"colour table cut short",
                                                  [](Dib& d) {
                                                      d.m_bytes.truncate(40 + 30);
                                                  }},
                                           Damage{"last row one byte short",
                                                  [](Dib& d) {
                                                      d.m_bytes.chop(1);
                                                  }},
                                           Damage{"core header size",
                                                  [](Dib& d) {
                                                      d.put32(0, 12);
                                                  }},
                                           Damage{"header size larger than the data",
                                                  [](Dib& d) {
                                                      d.put32(0, 0xFFFFFFF0U);
                                                  }},
                                           Damage{"two planes",
                                                  [](Dib& d) {
                                                      d.put16(12, 2);
                                                  }},
                                           Damage{"three bits per pixel",
                                                  [](Dib& d) {
                                                      d.put16(14, 3);
                                                  }},
                                           Damage{"run-length compressed",
                                                  [](Dib& d) {
                                                      d.put32(16, 2);
                                                  }},
                                           Damage{"zero width",
                                                  [](Dib& d) {
                                                      d.put32(4, 0);
                                                  }},
                                           Damage{"negative width",
                                                  [](Dib& d) {
                                                      d.put32(4, static_cast<std::uint32_t>(-16));
                                                  }},
                                           Damage{"zero height",
                                                  [](Dib& d) {
                                                      d.put32(8, 0);
                                                  }},
                                           Damage{"absurd width",
                                                  [](Dib& d) {
                                                      d.put32(4, 0x7FFFFFFFU);
                                                  }},
                                           Damage{"absurd height",
                                                  [](Dib& d) {
                                                      d.put32(8, 0x80000000U);
                                                  }},
                                           Damage{"more colours than 4 bits hold",
                                                  [](Dib& d) {
                                                      d.put32(32, 17);
                                                  }},
                                           Damage{"absurd colour count",
                                                  [](Dib& d) {
                                                      d.put32(32, 0xFFFFFFFFU);
                                                  }}),
                         [](const auto& tested) {
                             std::string name = tested.param.what;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
                             return name;
                         });

// A module on disk: LoadBitmapResource reads a directory of resources like the embedded ones.
class ResourceDirectory : public ::testing::Test {
protected:
    void put(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(m_dir.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QString module() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

TEST_F(ResourceDirectory, LoadsTheRowsBottomUp)
{
    Dib dib(312, 37, 4);
    dib.m_bytes[dib.pixelOffset()] = static_cast<char>(0x10); // first stored row, first pixel
    put(QStringLiteral("STRIP4"), dib.m_bytes);

    QImage image;
    ASSERT_TRUE(LoadBitmapResource(u"Strip4", image, module()));
    EXPECT_EQ(image.size(), QSize(312, 37));
    EXPECT_EQ(image.pixel(0, 36), qRgb(255, 0, 0)); // the bottom row came first
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 36), qRgb(0, 0, 0));
}

TEST_F(ResourceDirectory, LoadsATopDownBitmap)
{
    Dib dib(8, -2, 8);
    dib.m_bytes[dib.pixelOffset()] = 1; // first stored row is the top one
    put(QStringLiteral("TOPDOWN"), dib.m_bytes);

    QImage image;
    ASSERT_TRUE(LoadBitmapResource(u"TOPDOWN", image, module()));
    EXPECT_EQ(image.size(), QSize(8, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
}

TEST_F(ResourceDirectory, FailuresLeaveTheBitmapAlone)
{
    Dib truncated(16, 4, 4);
    truncated.m_bytes.chop(1);
    put(QStringLiteral("TRUNCATED"), truncated.m_bytes);
    put(QStringLiteral("GOOD"), Dib(16, 4, 4).m_bytes);

    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QImage before = image;
    const QStringView refused[] = {u"MISSING", u"TRUNCATED", u"",      u"../GOOD",
                                   u"GOOD/",   u"GO OD",     u":GOOD", u"GOOD.BMP"};
    for (const QStringView name : refused) {
        SCOPED_TRACE(name.toString().toStdString());
        EXPECT_FALSE(LoadBitmapResource(name, image, module()));
        EXPECT_EQ(image, before);
    }
    EXPECT_TRUE(LoadBitmapResource(u"good", image, module()));
    EXPECT_EQ(image.size(), QSize(16, 4));
}

} // namespace
} // namespace velmar
