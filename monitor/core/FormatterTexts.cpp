#include "monitor/core/FormatterTexts.h"

#include "runtime/language/Language.h"

namespace velmar::monitor {

namespace {

template <std::size_t Count>
void loadRun(std::array<QString, Count>& texts, std::uint16_t first)
{
    for (std::size_t i = 0; i < Count; ++i)
        texts[i] = LoadNumStr(static_cast<std::uint16_t>(first + i));
}

// The controller tables call an unassigned number "#3 Undefined"; the word after the
// number, translated with them, is the one the grid needs.
QString undefinedWord()
{
    const QString unassigned = LoadNumStr(3865);
    const qsizetype space = unassigned.indexOf(QLatin1Char(' '));
    return space < 0 ? unassigned : unassigned.mid(space + 1);
}

} // namespace

FormatterTexts::FormatterTexts()
    : Pitch(LoadNumStr(3995))
    , Velocity(LoadNumStr(3858))
    , PolyPressure(LoadNumStr(3859))
    , CcType(LoadNumStr(3860))
    , CcValue(LoadNumStr(3861))
    , Program(LoadNumStr(3990))
    , Pressure(LoadNumStr(3993))
    , Bend(LoadNumStr(3994))
    , MtcNumber(LoadNumStr(3996))
    , MtcValue(LoadNumStr(3997))
    , Clocks(LoadNumStr(3998))
    , SongNumber(LoadNumStr(3999))
    , Ext(LoadNumStr(3991))
    , Int(LoadNumStr(3992))
    , Undefined(undefinedWord())
{
    loadRun(KindHex, 3835);
    loadRun(KindDecimal, 15109);
    loadRun(SystemNames, 3842);
    loadRun(ControllerDecimal, 3862);
    loadRun(ControllerHex, 15132);
}

} // namespace velmar::monitor
