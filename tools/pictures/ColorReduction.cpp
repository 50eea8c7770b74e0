#include "tools/pictures/ColorReduction.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace velmar::drawing {
namespace {

struct WeightedColor {
    QRgb color;
    qint64 count;
};

// A box of the median cut: colours of the histogram that share one palette entry.
struct ColorBox {
    std::vector<WeightedColor> colors;

    [[nodiscard]] qint64 population() const
    {
        qint64 total = 0;
        for (const WeightedColor& c : colors)
            total += c.count;
        return total;
    }

    // The channel (0 red, 1 green, 2 blue) along which the box is longest, and that length.
    [[nodiscard]] std::pair<int, int> longestChannel() const
    {
        std::array<int, 3> low{255, 255, 255};
        std::array<int, 3> high{0, 0, 0};
        for (const WeightedColor& c : colors) {
            const std::array<int, 3> v{qRed(c.color), qGreen(c.color), qBlue(c.color)};
            for (std::size_t i = 0; i < 3; ++i) {
                low[i] = std::min(low[i], v[i]);
                high[i] = std::max(high[i], v[i]);
            }
        }
        int channel = 0;
        for (int i = 1; i < 3; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (high[at] - low[at] >
                high[static_cast<std::size_t>(channel)] - low[static_cast<std::size_t>(channel)])
                channel = i;
        }
        const auto at = static_cast<std::size_t>(channel);
        return {channel, high[at] - low[at]};
    }

    [[nodiscard]] QRgb average() const
    {
        double r = 0, g = 0, b = 0, n = 0;
        for (const WeightedColor& c : colors) {
            const auto w = static_cast<double>(c.count);
            r += qRed(c.color) * w;
            g += qGreen(c.color) * w;
            b += qBlue(c.color) * w;
            n += w;
        }
        return qRgb(qRound(r / n), qRound(g / n), qRound(b / n));
    }
};

int channelOf(QRgb color, int channel)
{
    return channel == 0 ? qRed(color) : channel == 1 ? qGreen(color) : qBlue(color);
}

// The one box cut in two at its weighted median along its longest channel.
std::pair<ColorBox, ColorBox> split(ColorBox box)
{
    const int channel = box.longestChannel().first;
    // Ties go by the whole colour, so that the same drawings always give the same palette.
    std::sort(box.colors.begin(), box.colors.end(),
              [channel](const WeightedColor& a, const WeightedColor& b) {
                  const int ca = channelOf(a.color, channel);
                  const int cb = channelOf(b.color, channel);
                  return ca != cb ? ca < cb : a.color < b.color;
              });
    const qint64 half = box.population() / 2;
    qint64 seen = 0;
    std::size_t cut = 1;
    for (; cut < box.colors.size() - 1; ++cut) {
        seen += box.colors[cut - 1].count;
        if (seen >= half)
            break;
    }
    const auto middle = box.colors.begin() + static_cast<std::ptrdiff_t>(cut);
    return {ColorBox{{box.colors.begin(), middle}}, ColorBox{{middle, box.colors.end()}}};
}

// Brightness counts most, then hue: a grey never turns into a dark blue just because the
// blue is closer in plain RGB terms.
int distance(QRgb a, QRgb b)
{
    const auto luma = [](QRgb c) {
        return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000;
    };
    const int ya = luma(a);
    const int yb = luma(b);
    const int dy = ya - yb;
    const int du = (qBlue(a) - ya) - (qBlue(b) - yb);
    const int dv = (qRed(a) - ya) - (qRed(b) - yb);
    return 3 * dy * dy + 2 * (du * du + dv * dv);
}

uchar nearest(QRgb color, const QList<QRgb>& palette)
{
    int best = 0;
    int bestDistance = distance(color, palette.front());
    for (int i = 1; i < palette.size(); ++i) {
        const int d = distance(color, palette[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<uchar>(best);
}

// A 4 x 4 Bayer matrix, values 0..15.
constexpr std::array<std::array<int, 4>, 4> kBayer{{
    {0, 8, 2, 10},
    {12, 4, 14, 6},
    {3, 11, 1, 9},
    {15, 7, 13, 5},
}};

QRgb dithered(QRgb color, int x, int y, int spread)
{
    const int threshold = kBayer[static_cast<std::size_t>(y & 3)][static_cast<std::size_t>(x & 3)];
    const int offset = (2 * threshold - 15) * spread / 32;
    const auto shift = [offset](int v) {
        return std::clamp(v + offset, 0, 255);
    };
    return qRgb(shift(qRed(color)), shift(qGreen(color)), shift(qBlue(color)));
}

// Light colours gain most: a pale glow must not turn white, a dark lacquer must not turn
// into a loud red.
QRgb saturated(QRgb color, double factor)
{
    const double luma = 0.299 * qRed(color) + 0.587 * qGreen(color) + 0.114 * qBlue(color);
    const double gain = 1.0 + (factor - 1.0) * luma / 255.0;
    const auto push = [&](int v) {
        return std::clamp(qRound(luma + (v - luma) * gain), 0, 255);
    };
    return qRgb(push(qRed(color)), push(qGreen(color)), push(qBlue(color)));
}

} // namespace

QList<QRgb> standardPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QList<QRgb> choosePalette(const QList<QImage>& drawings, int count)
{
    const QRgb black = qRgb(0, 0, 0);
    QHash<QRgb, qint64> histogram;
    for (const QImage& drawing : drawings) {
        const QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x)
                ++histogram[row[x] | 0xFF000000U];
        }
    }
    histogram.remove(black);

    std::vector<ColorBox> boxes;
    if (!histogram.isEmpty()) {
        ColorBox all;
        for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
            all.colors.push_back({it.key(), it.value()});
        // The hash's order changes from run to run; the palette must not.
        std::sort(all.colors.begin(), all.colors.end(),
                  [](const WeightedColor& a, const WeightedColor& b) { return a.color < b.color; });
        boxes.push_back(std::move(all));
    }
    // Split the box that spans most, weighted by how many pixels it holds, so that large
    // areas get exact colours and rare colours still get a share.
    while (static_cast<int>(boxes.size()) < count - 1) {
        auto widest = boxes.end();
        double widestScore = 0;
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            if (it->colors.size() < 2)
                continue;
            const double score =
                it->longestChannel().second * std::sqrt(static_cast<double>(it->population()));
            if (score > widestScore) {
                widest = it;
                widestScore = score;
            }
        }
        if (widest == boxes.end())
            break;
        auto [first, second] = split(std::move(*widest));
        *widest = std::move(first);
        boxes.push_back(std::move(second));
    }

    QList<QRgb> palette{black};
    for (const ColorBox& box : boxes)
        palette.append(box.average());
    while (palette.size() < count)
        palette.append(black);
    return palette;
}

QImage reduceColors(const QImage& drawing, const ColorReduction& reduction)
{
    const QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(reduction.palette);
    QHash<QRgb, uchar> known;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            QRgb color = in[x] | 0xFF000000U;
            if (reduction.saturation != 1.0)
                color = saturated(color, reduction.saturation);
            if (reduction.ditherSpread > 0)
                color = dithered(color, x, y, reduction.ditherSpread);
            auto found = known.constFind(color);
            if (found == known.cend())
                found = known.insert(color, nearest(color, reduction.palette));
            out[x] = *found;
        }
    }
    return indexed;
}

} // namespace velmar::drawing
