#include "drums/core/HintLine.h"

#include "drums/core/KitTable.h"
#include "drums/core/TransportBar.h"
#include "runtime/language/Language.h"

namespace velmar::drums {

namespace {

constexpr std::uint16_t kGeneralHint = 3772; // "Press F1 for Help"

} // namespace

QString InstrumentHint(int index, int hintFlags)
{
    const std::uint8_t note = KitRow(index).Note;
    QString text = InstrumentName(index);
    if ((hintFlags & kHintNoteName) != 0)
        text += QStringLiteral(" -- ") + NoteName(note);
    if ((hintFlags & kHintNoteNumber) != 0)
        text += QStringLiteral(" -- #") + QString::number(note);
    if ((hintFlags & kHintComputerKey) != 0)
        text += QStringLiteral(" -- ") + KeyHintText(index);
    return text;
}

std::optional<QString> HintLine::OverInstrument(std::optional<int> index)
{
    if (!index)
        return Elsewhere();
    return show(Shown::Instrument, *index);
}

std::optional<QString> HintLine::OverTransport(int x, int w)
{
    return show(Shown::Strip, StripHint(x, w));
}

std::optional<QString> HintLine::Elsewhere()
{
    return show(Shown::General, -1);
}

std::optional<QString> HintLine::show(Shown kind, int value)
{
    if (kind == m_shown && value == m_value)
        return std::nullopt;
    m_shown = kind;
    m_value = value;
    switch (kind) {
    case Shown::Instrument:
        return InstrumentHint(value, m_settings.HintFlags);
    case Shown::Strip:
        return LoadNumStr(static_cast<std::uint16_t>(value));
    case Shown::General:
        break;
    }
    return LoadNumStr(kGeneralHint);
}

} // namespace velmar::drums
