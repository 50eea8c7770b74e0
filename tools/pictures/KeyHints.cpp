#include "tools/pictures/KeyHints.h"

#include "tools/pictures/KitGeometry.h"

#include <QFont>
#include <QList>
#include <QRegion>

#include <optional>

namespace velmar::drawing {
namespace {

constexpr int kCap = 12;
const QColor kMainKey(255, 222, 60); // the yellow of the hint line
const QColor kPadKey(110, 214, 255); // keys of the numeric keypad

// The lit areas of all other groups: a cap there would vanish whenever they light up.
QRegion othersLit(int row)
{
    const int anchor = kitInstruments()[static_cast<std::size_t>(row)].anchor;
    QRegion region;
    for (const KitInstrument& other : kitInstruments()) {
        if (other.anchor != anchor)
            region += toRect(kitInstruments()[static_cast<std::size_t>(other.anchor)].lit);
    }
    return region;
}

// The place nearest the middle of the instrument's click area where a cap fits.
std::optional<QRect> placeCap(int row, const QRegion& taken)
{
    const KitInstrument& instrument = kitInstruments()[static_cast<std::size_t>(row)];
    const QRect area = toRect(instrument.hit) & toRect(instrument.cover);
    const QRegion blocked = taken + othersLit(row);
    std::optional<QRect> best;
    int bestDistance = 0;
    for (int y = area.top(); y + kCap <= area.bottom() + 1; ++y) {
        for (int x = area.left(); x + kCap <= area.right() + 1; ++x) {
            const QRect cap(x, y, kCap, kCap);
            if (blocked.intersects(cap))
                continue;
            const QPoint off = cap.center() - area.center();
            const int distance = off.x() * off.x() + off.y() * off.y();
            if (!best || distance < bestDistance) {
                best = cap;
                bestDistance = distance;
            }
        }
    }
    return best;
}

void paintCap(QPainter& p, const QRect& cap, const KitInstrument& instrument)
{
    const QColor ink = instrument.pad == KeyPad::Num ? kPadKey : kMainKey;
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(16, 16, 20));
    p.drawRoundedRect(QRectF(cap).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    p.drawText(cap, Qt::AlignCenter, instrument.key);
}

} // namespace

void paintKeyHints(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    p.save();
    p.setFont(font);
    p.setRenderHint(QPainter::Antialiasing);
    QRegion taken;
    for (int row = 0; row < kInstrumentCount; ++row) {
        const KitInstrument& instrument = kitInstruments()[static_cast<std::size_t>(row)];
        // Fall back to the middle of the click area: every key is printed somewhere.
        const QRect cap = placeCap(row, taken)
                              .value_or(QRect(QPoint(0, 0), QSize(kCap, kCap))
                                            .translated(toRect(instrument.hit).center() -
                                                        QPoint(kCap / 2, kCap / 2)));
        paintCap(p, cap, instrument);
        taken += cap;
    }
    p.restore();
}

} // namespace velmar::drawing
