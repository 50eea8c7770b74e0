#include "monitor/ui/CellTextCache.h"

#include "monitor/ui/GridCellDelegate.h"

#include <QTextLayout>
#include <QTextOption>

namespace velmar::monitor {

const CellTextCache::Line& CellTextCache::Shown(const QString& text, const QFont& font,
                                                const QFontMetrics& metrics, int width)
{
    useFont(font);
    Key key{text, width};
    if (const auto found = m_texts.find(key); found != m_texts.end())
        return found->second;
    if (m_texts.size() >= kMostTexts)
        m_texts.clear();
    QTextLayout layout(ShownCellText(metrics, text, width), m_font);
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(oneLine);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(width);
    layout.endLayout();
    // The glyphs keep their places, so drawing them again lays nothing out.
    Line shown{line.glyphRuns(), line.ascent() + line.descent(), line.naturalTextWidth()};
    return m_texts.emplace(std::move(key), std::move(shown)).first->second;
}

void CellTextCache::useFont(const QFont& font)
{
    if (m_fontSet && font == m_font)
        return;
    m_texts.clear();
    m_font = font;
    m_fontSet = true;
}

} // namespace velmar::monitor
