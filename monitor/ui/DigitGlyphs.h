#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

class QPainter;
class QRect;
class QString;

namespace velmar::monitor {

// Draws texts made only of digits, the letters A to F and spaces (event numbers, times,
// raw bytes, most values) from each character's glyph: a stream brings such texts new in
// every row, and laying each out would cost more than drawing it. Only where the font lays
// these characters out as nothing but their glyphs side by side: no joined glyphs and no
// other face standing in (else not at all), and no kerning between two neighbours (else not
// for texts with those neighbours). That is checked once for each font; for every other
// text the caller lays the text out.
class DigitGlyphs {
public:
    // Draws `text` in `font` as laid-out text is drawn into `room`: against its left edge, or
    // its right one when `alignment` says so, centred in the height, cut at the room's edges
    // when taller. False, drawing nothing, when the text has another character, might not
    // fit the room's width, or the font cannot be drawn so.
    bool Draw(QPainter& painter, const QFont& font, const QString& text, const QRect& room,
              Qt::Alignment alignment = Qt::AlignLeft);

    static constexpr std::string_view kCharacters = "0123456789ABCDEF ";

private:
    struct Glyph {
        quint32 index = 0;
        double advance = 0;
    };
    // What the font draws these characters with, when it lays them out side by side.
    struct Face {
        QRawFont raw;
        std::array<Glyph, kCharacters.size()> glyphs;
        // Whether one character followed by another stands at the first one's advance.
        std::array<std::array<bool, kCharacters.size()>, kCharacters.size()> sideBySide{};
        double ascent = 0;
        double descent = 0;
    };

    void useFont(const QFont& font);
    [[nodiscard]] static std::optional<Face> faceOf(const QFont& font);

    QFont m_font;
    bool m_fontSet = false;
    std::optional<Face> m_face;
    QGlyphRun m_run;
    // The glyphs of the text being drawn; the run only points at them.
    std::vector<quint32> m_indexes;
    std::vector<QPointF> m_positions;
};

} // namespace velmar::monitor
