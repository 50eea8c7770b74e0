#include "tools/pictures/KitPictures.h"

#include "tools/pictures/KitGeometry.h"
#include "tools/pictures/KitScene.h"

#include <QPainter>
#include <QRegion>
#include <QTransform>

namespace velmar::drawing {
namespace {

QRect litRect(int row)
{
    return toRect(kitInstruments()[static_cast<std::size_t>(row)].lit);
}

// The part of a group's lit area that no other group's lit area shares: copying the
// group's rectangle from a lit picture then changes this group and nothing else.
QRegion ownLitRegion(int anchor)
{
    QRegion region(litRect(anchor));
    for (int row = 0; row < kInstrumentCount; ++row) {
        if (kitInstruments()[static_cast<std::size_t>(row)].anchor == row && row != anchor)
            region -= litRect(row);
    }
    return region;
}

QRect scaled(const QRect& rect, int scale)
{
    return {rect.topLeft() * scale, rect.size() * scale};
}

// `base` with the group of `scene.changed` taken from a drawing of `scene`, both drawn at
// `scale`.
QImage withChange(const QImage& base, const KitScene& scene, int scale)
{
    const QRegion own = ownLitRegion(scene.changed);
    QImage result = base;
    QPainter p(&result);
    // Whole design pixels become whole blocks of pixels: the region stays exact.
    p.setClipRegion(QTransform::fromScale(scale, scale).map(own));
    p.drawImage(0, 0, drawKit(scene, scale, own));
    return result;
}

// Just enough to keep the kit's shading in 16 colours without turning edges to noise, and
// colour strong enough for the glows to stay amber and green.
constexpr int kKitDither = 24;
constexpr double kKitSaturation = 2.0;

struct Colour {
    QColor glow;
    QString suffix;
};

} // namespace

PictureFamily kitPictures(int scale)
{
    const QImage rest = drawKit({}, scale);
    const QImage restWithKeys = drawKit({.keyHints = true}, scale);
    const QList<Colour> colours{{kHostGlow, {}}, {kLiveGlow, QStringLiteral("GREEN")}};

    PictureFamily family{{{QStringLiteral("DB"), {}, rest, {}},
                          {QStringLiteral("DB"), QStringLiteral("HINT"), restWithKeys, {}}},
                         kKitDither,
                         kKitSaturation};
    for (const Colour& colour : colours) {
        QImage lit = rest;
        for (int row = 0; row < kInstrumentCount; ++row) {
            if (kitInstruments()[static_cast<std::size_t>(row)].anchor == row)
                lit = withChange(lit, {row, Look::Lit, colour.glow}, scale);
        }
        family.pictures.append({QStringLiteral("DH"), colour.suffix, lit, {}});
    }
    for (const Colour& colour : colours) {
        const auto small = [&](const char* stem, const QImage& base, KitScene scene,
                               const QString& suffix) {
            scene.glow = colour.glow;
            family.pictures.append({QLatin1String(stem), suffix + colour.suffix,
                                    withChange(base, scene, scale),
                                    scaled(litRect(scene.changed), scale)});
        };
        small("HHC", rest, {ClosedHiHat, Look::HiHatClosedLit}, {});
        small("HHFC", rest, {ClosedHiHat, Look::HiHatClosedRest}, {});
        small("HHFC", restWithKeys, {ClosedHiHat, Look::HiHatClosedRest, {}, true},
              QStringLiteral("HINT"));
        small("MTRI", rest, {MuteTriangle, Look::MuteTriangleLit}, {});
        small("SGUIRO", rest, {ShortGuiro, Look::ShortGuiroLit}, {});
    }
    return family;
}

} // namespace velmar::drawing
