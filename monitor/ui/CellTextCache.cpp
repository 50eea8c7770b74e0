#include "monitor/ui/CellTextCache.h"

#include "monitor/ui/GridCellDelegate.h"

#include <QTextOption>

namespace velmar::monitor {

const QTextLayout& CellTextCache::Shown(const QString& text, const QFont& font,
                                        const QFontMetrics& metrics, int width)
{
    useFont(font);
    Key key{text, width};
    if (const auto found = m_texts.find(key); found != m_texts.end())
        return *found->second;
    if (m_texts.size() >= kMostTexts)
        m_texts.clear();
    auto shown = std::make_unique<QTextLayout>(ShownCellText(metrics, text, width), m_font);
    // The glyphs are kept with the line, so drawing it again shapes nothing.
    shown->setCacheEnabled(true);
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    shown->setTextOption(oneLine);
    shown->beginLayout();
    shown->createLine().setLineWidth(width);
    shown->endLayout();
    return *m_texts.emplace(std::move(key), std::move(shown)).first->second;
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
