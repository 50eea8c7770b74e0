#include "monitor/ui/DigitGlyphs.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace velmar::monitor {

namespace {

// The place of `c` in kCharacters, or -1.
int characterIndex(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return 10 + (c - u'A');
    return c == u' ' ? 16 : -1;
}

} // namespace

std::optional<DigitGlyphs::Face> DigitGlyphs::faceOf(const QFont& font)
{
    Face face;
    face.raw = QRawFont::fromFont(font);
    if (!face.raw.isValid())
        return std::nullopt;
    const QString characters =
        QString::fromLatin1(kCharacters.data(), static_cast<qsizetype>(kCharacters.size()));
    const QList<quint32> indexes = face.raw.glyphIndexesForString(characters);
    const QList<QPointF> advances = face.raw.advancesForGlyphIndexes(indexes);
    if (indexes.size() != characters.size() || advances.size() != characters.size())
        return std::nullopt;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (indexes[i] == 0)
            return std::nullopt; // not in this face: another one would stand in
        face.glyphs[static_cast<std::size_t>(i)] = {indexes[i], advances[i].x()};
    }

    // Every pair of the characters, laid out as a cell's text is: the same glyphs, in this
    // face alone, or the face is not used; which neighbours stand at the sums of advances.
    QString pairs;
    for (const QChar first : characters)
        for (const QChar second : characters)
            pairs.append(first).append(second);
    QTextLayout layout(pairs, font);
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(oneLine);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0);
    layout.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns();
    if (runs.size() != 1 || runs[0].rawFont() != face.raw)
        return std::nullopt;
    const QList<quint32> laidIndexes = runs[0].glyphIndexes();
    const QList<QPointF> laidPositions = runs[0].positions();
    if (laidIndexes.size() != pairs.size() || laidPositions.size() != pairs.size())
        return std::nullopt;
    for (auto& row : face.sideBySide)
        row.fill(true);
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const auto character = static_cast<std::size_t>(characterIndex(pairs[i].unicode()));
        const Glyph& glyph = face.glyphs[character];
        if (laidIndexes[i] != glyph.index || laidPositions[i].y() != laidPositions[0].y())
            return std::nullopt;
        if (i + 1 < pairs.size()) {
            const auto next = static_cast<std::size_t>(characterIndex(pairs[i + 1].unicode()));
            if (laidPositions[i + 1].x() - laidPositions[i].x() != glyph.advance)
                face.sideBySide[character][next] = false;
        }
    }
    face.ascent = line.ascent();
    face.descent = line.descent();
    return face;
}

void DigitGlyphs::useFont(const QFont& font)
{
    if (m_fontSet && font == m_font)
        return;
    m_font = font;
    m_fontSet = true;
    m_face = faceOf(font);
    if (m_face)
        m_run.setRawFont(m_face->raw);
}

bool DigitGlyphs::Draw(QPainter& painter, const QFont& font, const QString& text, const QRect& room,
                       Qt::Alignment alignment)
{
    useFont(font);
    if (!m_face || text.isEmpty())
        return false;
    const auto length = static_cast<std::size_t>(text.size());
    m_indexes.resize(length);
    m_positions.resize(length);
    double x = 0;
    int previous = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int character = characterIndex(text[i].unicode());
        if (character < 0 || (previous >= 0 && !m_face->sideBySide[static_cast<std::size_t>(
                                                   previous)][static_cast<std::size_t>(character)]))
            return false;
        previous = character;
        const Glyph& glyph = m_face->glyphs[static_cast<std::size_t>(character)];
        m_indexes[static_cast<std::size_t>(i)] = glyph.index;
        m_positions[static_cast<std::size_t>(i)] = QPointF(x, 0);
        x += glyph.advance;
    }
    // A pixel to spare: what is measured in whole pixels elsewhere cannot tip it.
    if (x + 1 > room.width())
        return false;
    m_run.setRawData(m_indexes.data(), m_positions.data(), static_cast<int>(length));
    const double lineHeight = m_face->ascent + m_face->descent;
    const bool taller = lineHeight > room.height();
    if (taller) {
        painter.save();
        painter.setClipRect(room, Qt::IntersectClip);
    }
    const double left =
        (alignment & Qt::AlignRight) != 0 ? room.left() + room.width() - x : room.left();
    painter.drawGlyphRun(
        QPointF(left, room.top() + (room.height() - lineHeight) / 2.0 + m_face->ascent), m_run);
    if (taller)
        painter.restore();
    return true;
}

} // namespace velmar::monitor
