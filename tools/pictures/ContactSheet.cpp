#include "tools/pictures/ContactSheet.h"

#include "runtime/pictures/BitmapResource.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace velmar::drawing {
namespace {

constexpr int kSheetWidth = 1240;
constexpr int kMargin = 12;
constexpr int kGap = 8;
constexpr int kLabelHeight = 16;
const QColor kSheet(56, 56, 60);
const QColor kLabel(220, 220, 210);

QImage decode(const BitmapResourceFile& file)
{
    QImage image;
    image.loadFromData(BmpFileImage(file.dib), "BMP");
    return image;
}

struct Tile {
    QString label;
    int labelWidth;
    QList<QImage> images; // side by side

    [[nodiscard]] QSize size() const
    {
        int width = 0;
        int height = 0;
        for (const QImage& image : images) {
            width += (width > 0 ? kGap : 0) + image.width();
            height = std::max(height, image.height());
        }
        return {std::max(labelWidth, width), kLabelHeight + height};
    }
};

} // namespace

QImage drawContactSheet(const QList<EncodedPicture>& pictures, const FinerSet& finer)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    QList<Tile> tiles;
    const auto addTile = [&](const QString& label, const QList<QImage>& images) {
        tiles.append({label, metrics.horizontalAdvance(label), images});
    };
    for (const EncodedPicture& picture : pictures) {
        addTile(picture.manyColors.name + QStringLiteral("  ") + picture.sixteenColors.name,
                {decode(picture.manyColors), decode(picture.sixteenColors)});
    }
    const QString prefix = QString::number(finer.scale) + QStringLiteral("x/");
    for (const FinerPicture& picture : finer.pictures)
        addTile(prefix + picture.name, {QImage::fromData(picture.png, "PNG")});

    // Left to right, a new row when the next tile does not fit.
    QList<QPoint> places;
    QPoint at(kMargin, kMargin);
    int rowHeight = 0;
    for (const Tile& tile : tiles) {
        if (at.x() > kMargin && at.x() + tile.size().width() > kSheetWidth - kMargin) {
            at = QPoint(kMargin, at.y() + rowHeight + kGap);
            rowHeight = 0;
        }
        places.append(at);
        at.rx() += tile.size().width() + 2 * kGap;
        rowHeight = std::max(rowHeight, tile.size().height());
    }

    QImage sheet(kSheetWidth, at.y() + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(kSheet);
    QPainter p(&sheet);
    p.setFont(font);
    p.setPen(kLabel);
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        const Tile& tile = tiles[i];
        const QPoint place = places[i];
        p.drawText(QRect(place, QSize(tile.size().width(), kLabelHeight)),
                   Qt::AlignLeft | Qt::AlignVCenter, tile.label);
        QPoint imageAt = place + QPoint(0, kLabelHeight);
        for (const QImage& image : tile.images) {
            p.drawImage(imageAt, image);
            imageAt.rx() += image.width() + kGap;
        }
    }
    return sheet;
}

} // namespace velmar::drawing
