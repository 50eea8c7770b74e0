#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHashFunctions>
#include <QList>
#include <QString>

#include <cstddef>
#include <unordered_map>

class QFontMetrics;

namespace velmar::monitor {

// The grid's cell texts laid out for drawing, kept by text and cell width, so that a cell
// painted again draws its glyphs without laying its text out again: a steady stream
// repaints the same statuses, channels and values many times. Colours are not kept; the
// painter's pen gives them at each draw. A new font empties the cache.
class CellTextCache {
public:
    // Past this many texts the cache starts again empty: a stream brings new event numbers
    // and times without end, and laying out the few texts still in use again is cheap.
    static constexpr std::size_t kMostTexts = 2048;

    // A text laid out as one line: its glyphs placed from the line's top left, in every face
    // they needed, and the line's height (of those faces) and width.
    struct Line {
        QList<QGlyphRun> glyphs;
        double height = 0;
        double width = 0;
    };

    // What a cell `width` pixels wide shows of `text` in `font` (see ShownCellText), laid
    // out in that font. `metrics` are the font's. The reference holds until the next call.
    [[nodiscard]] const Line& Shown(const QString& text, const QFont& font,
                                    const QFontMetrics& metrics, int width);
    [[nodiscard]] std::size_t size() const { return m_texts.size(); }

private:
    struct Key {
        QString text;
        int width = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept
        {
            return qHashMulti(0, key.text, key.width);
        }
    };

    void useFont(const QFont& font);

    QFont m_font;
    bool m_fontSet = false;
    std::unordered_map<Key, Line, KeyHash> m_texts;
};

} // namespace velmar::monitor
