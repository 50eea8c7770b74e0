#include "runtime/pictures/BitmapResource.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velmar {
namespace {

struct Family {
    QStringView module;
    QSize size;
    std::vector<QString> stems; // "DB" and "HINT" stand for DB4HINT and DB8HINT
    std::vector<QString> suffixes;
    bool zoomed = true; // the kit's pictures; the others are not zoomed with their window
};

struct Resource {
    QStringView module;
    QString name;
    QSize size;
    int bits;
    bool zoomed;
};

std::vector<Resource> allResources()
{
    const QString none;
    const std::vector<Family> families{
        {kMonitorPictures,
         {312, 37},
         {QStringLiteral("MONNEG"), QStringLiteral("MONPOS")},
         {none},
         false},
        {kDrumPictures, {600, 400}, {QStringLiteral("DB")}, {none, QStringLiteral("HINT")}},
        {kDrumPictures, {600, 400}, {QStringLiteral("DH")}, {none, QStringLiteral("GREEN")}},
        {kDrumPictures, {69, 46}, {QStringLiteral("HHC")}, {none, QStringLiteral("GREEN")}},
        {kDrumPictures,
         {69, 46},
         {QStringLiteral("HHFC")},
         {none, QStringLiteral("GREEN"), QStringLiteral("HINT"), QStringLiteral("HINTGREEN")}},
        {kDrumPictures, {63, 56}, {QStringLiteral("MTRI")}, {none, QStringLiteral("GREEN")}},
        {kDrumPictures, {79, 81}, {QStringLiteral("SGUIRO")}, {none, QStringLiteral("GREEN")}},
        {kDrumPictures,
         {336, 17},
         {QStringLiteral("SET"), QStringLiteral("REW"), QStringLiteral("STOP"),
          QStringLiteral("PLA"), QStringLiteral("REC")},
         {QStringLiteral("00"), QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("14")},
         false},
    };
    std::vector<Resource> resources;
    for (const Family& family : families) {
        for (const QString& stem : family.stems) {
            for (const QString& suffix : family.suffixes) {
                for (const int bits : {4, 8})
                    resources.push_back({family.module, stem + QString::number(bits) + suffix,
                                         family.size, bits, family.zoomed});
            }
        }
    }
    return resources;
}

QByteArray rawResource(QStringView module, const QString& name)
{
    QFile file(module.toString() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(EmbeddedPictures, EveryNameIsThereAtItsSizeAndDepth)
{
    const std::vector<Resource> resources = allResources();
    ASSERT_EQ(resources.size(), 4U + 68U);
    for (const Resource& resource : resources) {
        SCOPED_TRACE(resource.name.toStdString());
        const QByteArray dib = rawResource(resource.module, resource.name);
        ASSERT_GE(dib.size(), 40);
        EXPECT_EQ(qFromLittleEndian<std::uint16_t>(dib.constData() + 14), resource.bits);

        QImage image;
        ASSERT_TRUE(LoadBitmapResource(resource.name, image, resource.module));
        EXPECT_EQ(image.size(), resource.size);
    }
}

TEST(EmbeddedPictures, FinerSetsHoldEveryManyColourPictureAtTheirScale)
{
    for (const Resource& resource : allResources()) {
        for (const int scale : kPictureSetScales) {
            if (scale == 1)
                continue;
            SCOPED_TRACE(::testing::Message() << scale << "x/" << resource.name.toStdString());
            QImageReader reader(PictureSetPath(resource.module, scale, resource.name));
            if (resource.bits == 4 || (!resource.zoomed && scale > kFinestUnzoomedSetScale)) {
                EXPECT_FALSE(reader.canRead());
                continue;
            }
            EXPECT_EQ(reader.size(), resource.size * scale);
            const QImage picture = reader.read();
            EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
        }
    }
}

TEST(EmbeddedPictures, NamesAreFoundInAnyLetterCase)
{
    const QStringView names[] = {u"MonNeg8", u"monpos4", u"DH8GREEN",      u"dh4green",
                                 u"set811",  u"Stop414", u"HhFc8HiNtGrEeN"};
    for (const QStringView name : names) {
        SCOPED_TRACE(name.toString().toStdString());
        QImage image;
        const QStringView module =
            name.startsWith(u"mon", Qt::CaseInsensitive) ? kMonitorPictures : kDrumPictures;
        EXPECT_TRUE(LoadBitmapResource(name, image, module));
    }
}

TEST(EmbeddedPictures, EachProgramFindsOnlyItsOwnPictures)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QImage before = image;
    EXPECT_FALSE(LoadBitmapResource(u"DB8", image, kMonitorPictures));
    EXPECT_FALSE(LoadBitmapResource(u"MONNEG8", image, kDrumPictures));
    EXPECT_FALSE(LoadBitmapResource(u"DB9", image, kDrumPictures));
    EXPECT_FALSE(LoadBitmapResource(u"PLA415", image, kDrumPictures));
    EXPECT_EQ(image, before);
}

TEST(EmbeddedPictures, SixteenColourVersionsUseTheStandardPalette)
{
    const std::uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (const Resource& resource : allResources()) {
        if (resource.bits != 4)
            continue;
        SCOPED_TRACE(resource.name.toStdString());
        const QByteArray dib = rawResource(resource.module, resource.name);
        ASSERT_GE(dib.size(), 40 + 64);
        for (int i = 0; i < 16; ++i) {
            // Colour table entries are blue, green, red, reserved.
            const auto* entry =
                reinterpret_cast<const unsigned char*>(dib.constData() + 40 + 4 * i);
            const std::uint32_t rgb =
                (std::uint32_t{entry[2]} << 16) | (std::uint32_t{entry[1]} << 8) | entry[0];
            EXPECT_EQ(rgb, standard[i]) << "entry " << i;
        }
    }
}

} // namespace
} // namespace velmar
