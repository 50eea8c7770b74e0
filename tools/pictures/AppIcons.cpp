#include "tools/pictures/AppIcons.h"

#include "tools/pictures/KitGeometry.h"
#include "tools/pictures/KitObjects.h"
#include "tools/pictures/MonitorPictures.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace velmar::drawing {
namespace {

QImage transparentSquare(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Channel lights as a burst of notes leaves them: some on, some off.
bool lampOn(int row, int column)
{
    constexpr std::array<unsigned, 2> kPattern{0b101101U, 0b010010U};
    return ((kPattern[static_cast<std::size_t>(row)] >> column) & 1U) != 0;
}

// Rows of an event list: short dark strokes in three columns (number, time, name), as the
// grid reads at a distance.
void paintEventRows(QPainter& p, const QRect& list, int stroke, int pitch)
{
    p.fillRect(list, Qt::white);
    constexpr std::array<double, 3> kColumnStarts{0.0, 0.2, 0.45};
    constexpr std::array<double, 4> kNameLengths{0.40, 0.50, 0.30, 0.46};
    const int inset = std::max(1, stroke);
    const int width = list.width() - 2 * inset;
    int line = 0;
    for (int y = list.top() + stroke / 2; y + stroke <= list.bottom() + 1 - stroke / 2;
         y += pitch, ++line) {
        const std::array<double, 3> lengths{
            0.12, 0.18, kNameLengths[static_cast<std::size_t>(line) % kNameLengths.size()]};
        for (std::size_t column = 0; column < kColumnStarts.size(); ++column) {
            const int left = list.left() + inset + static_cast<int>(kColumnStarts[column] * width);
            const int length = std::max(stroke, static_cast<int>(lengths[column] * width));
            const int right = std::min(left + length, list.right() + 1 - inset);
            if (right > left)
                p.fillRect(QRect(left, y, right - left, stroke), QColor(24, 24, 24));
        }
    }
}

// The kit's objects drawn from the area `source` of the kit picture into `target`.
void paintKitPart(QPainter& p, const QRectF& source, const QRectF& target, bool withHiHat)
{
    p.save();
    p.setClipRect(target);
    p.translate(target.topLeft());
    p.scale(target.width() / source.width(), target.height() / source.height());
    p.translate(-source.topLeft());
    p.setRenderHint(QPainter::Antialiasing);
    if (withHiHat)
        paintHiHat(p, ObjectView{});
    paintSnare(p, ObjectView{AcousticSnare, Look::Lit, kHostGlow});
    p.restore();
}

bool save(const QImage& image, const QString& directory, const char* program)
{
    const QString size = QString::number(image.width());
    const QString folder =
        directory + QLatin1Char('/') + size + QLatin1Char('x') + size + QStringLiteral("/apps");
    return QDir().mkpath(folder) &&
           image.save(folder + QLatin1Char('/') + QLatin1String(program) + QStringLiteral(".png"));
}

} // namespace

QImage drawOstraIcon(int size)
{
    QImage image = transparentSquare(size);
    QPainter p(&image);
    // The smallest size needs every pixel for the window's parts.
    const int margin = size <= 16 ? 0 : size / 16;
    const int edge = std::max(1, size / 64);
    const QRect window(margin, margin, size - 2 * margin, size - 2 * margin);
    p.fillRect(window, QColor(64, 64, 64));
    const QRect face = window.adjusted(edge, edge, -edge, -edge);
    p.fillRect(face, kMonitorFace);

    const int titleHeight = std::max(2, size * 9 / 64);
    p.fillRect(QRect(face.left(), face.top(), face.width(), titleHeight), QColor(0, 0, 128));

    // The channel lights: one row of three at the smallest size, else both rows.
    const bool small = size <= 16;
    const int rows = small ? 1 : 2;
    const int columns = small ? 3 : (size <= 32 ? 4 : 6);
    const int pad = std::max(1, size / 32);
    const int wellWidth = face.width() - 2 * pad - 2;
    const int lamp = std::max(3, wellWidth / columns);
    const QRect well(face.left() + pad + 1 + (wellWidth - lamp * columns) / 2,
                     face.top() + titleHeight + pad + 1, lamp * columns, lamp * rows);
    paintLampWell(p, well);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            paintLamp(p, QRect(well.left() + column * lamp, well.top() + row * lamp, lamp, lamp),
                      lampOn(row, column));
    }

    const int listTop = well.bottom() + 2 + pad;
    const QRect list(face.left() + pad, listTop, face.width() - 2 * pad,
                     face.bottom() - pad - listTop + 1);
    const int stroke = std::max(1, size / 48);
    if (list.height() > 2)
        paintEventRows(p, list, stroke, size <= 16 ? 2 : stroke * 3);
    return image;
}

QImage drawKettraIcon(int size)
{
    QImage image = transparentSquare(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The kit stands on black, as in the program.
    const qreal margin = size / 16.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, size / 8.0, size / 8.0);
    p.fillPath(rounded, Qt::black);

    // Small icons show the snare alone, large enough to read; larger ones add the hi-hat.
    const bool withHiHat = size >= 48;
    const QRectF source = withHiHat ? QRectF(131, 206, 132, 122) : QRectF(186, 252, 77, 75);
    const qreal inset = size / 24.0;
    const QRectF room = tile.adjusted(inset, inset, -inset, -inset);
    const qreal scale = std::min(room.width() / source.width(), room.height() / source.height());
    const QSizeF drawn = source.size() * scale;
    const QRectF target(room.center() - QPointF(drawn.width() / 2, drawn.height() / 2), drawn);
    p.setClipPath(rounded);
    paintKitPart(p, source, target, withHiHat);
    return image;
}

bool writeAppIcons(const QString& directory)
{
    return std::all_of(kAppIconSizes.begin(), kAppIconSizes.end(), [&](int size) {
        return save(drawOstraIcon(size), directory, "ostra") &&
               save(drawKettraIcon(size), directory, "kettra");
    });
}

} // namespace velmar::drawing
