#include "monitor/core/FilterDialogRules.h"

#include "monitor/core/ByteText.h"
#include "runtime/language/Language.h"

#include <algorithm>

namespace velmar::monitor {

namespace {

constexpr std::uint16_t kNoSourceMessage = 4058;
constexpr std::uint16_t kSystemOnlyMessage = 4059;
constexpr std::uint16_t kNoEventTypeMessage = 4060;
constexpr std::uint16_t kFirstEventHex = 3835;
constexpr std::uint16_t kFirstEventDecimal = 15109;
constexpr std::uint16_t kFirstControllerDecimal = 3862;
constexpr std::uint16_t kFirstControllerHex = 15132;

template <std::size_t Count>
bool anyPasses(const std::array<std::uint8_t, Count>& flags, std::uint8_t filterMode)
{
    return std::any_of(flags.begin(), flags.end(),
                       [filterMode](std::uint8_t flag) { return flag != filterMode; });
}

std::uint8_t flagOf(bool ticked)
{
    return ticked ? 1 : 0;
}

QString numbered(std::uint16_t first, std::size_t offset)
{
    return LoadNumStr(static_cast<std::uint16_t>(first + offset));
}

} // namespace

FilterCheck CheckFilter(const OstraSettings& settings)
{
    const std::uint8_t mode = settings.FilterMode;
    if (settings.ShowComputerInput == mode && settings.ShowHostOutput == mode)
        return FilterCheck::NoSource;
    if (!anyPasses(settings.ChannelFilter, mode))
        return FilterCheck::SystemOnly;
    if (!anyPasses(settings.EventTypeFilter, mode))
        return FilterCheck::NoEventType;
    return FilterCheck::Accept;
}

std::uint16_t FilterCheckMessage(FilterCheck check)
{
    switch (check) {
    case FilterCheck::NoSource:
        return kNoSourceMessage;
    case FilterCheck::SystemOnly:
        return kSystemOnlyMessage;
    case FilterCheck::NoEventType:
        return kNoEventTypeMessage;
    case FilterCheck::Accept:
        break;
    }
    return 0;
}

void ToggleFlag(std::span<std::uint8_t> flags, std::size_t row)
{
    flags[row] = flags[row] == 0 ? 1 : 0;
}

void ToggleEventType(OstraSettings& settings, std::size_t row)
{
    auto& flags = settings.EventTypeFilter;
    ToggleFlag(flags, row);
    if (row == kSysExStartRow)
        flags[kSysExEndRow] = flags[kSysExStartRow];
    else if (row == kSysExEndRow)
        flags[kSysExStartRow] = flags[kSysExEndRow];
}

QString FilterMark(std::uint8_t flag)
{
    return flag != 0 ? QStringLiteral(" X") : QString();
}

QString EventTypeName(std::size_t row, bool decimal)
{
    return numbered(decimal ? kFirstEventDecimal : kFirstEventHex, row);
}

QString ChannelLabel(std::size_t channel, bool decimal, bool oneBased)
{
    const auto number = static_cast<std::uint8_t>(oneBased ? channel + 1 : channel);
    if (decimal)
        return QString::fromLatin1(DecByteText(number));
    return QLatin1Char('$') + QString::fromLatin1(HexByteText(number));
}

QString ControllerName(std::size_t controller, bool decimal)
{
    return numbered(decimal ? kFirstControllerDecimal : kFirstControllerHex, controller);
}

FilterBoxes FilterBoxes::FormShow(const OstraSettings& settings)
{
    return {
        .AllExcept = settings.FilterMode == kFilterAllExcept,
        .ComputerInput = settings.ShowComputerInput != 0,
        .HostOutput = settings.ShowHostOutput != 0,
        .DecimalChannels = settings.DecimalChannels != 0,
        .DecimalEventTypes = settings.DecimalEventTypes != 0,
        .DecimalData = settings.DecimalData != 0,
        .OneBasedPrograms = settings.OneBasedPrograms != 0,
        .OneBasedChannels = settings.OneBasedChannels != 0,
    };
}

void FilterBoxes::Store(OstraSettings& settings) const
{
    settings.ShowComputerInput = flagOf(ComputerInput);
    settings.ShowHostOutput = flagOf(HostOutput);
    settings.FilterMode = AllExcept ? kFilterAllExcept : kFilterOnly;
    settings.DecimalChannels = flagOf(DecimalChannels);
    settings.DecimalEventTypes = flagOf(DecimalEventTypes);
    settings.DecimalData = flagOf(DecimalData);
    settings.OneBasedPrograms = flagOf(OneBasedPrograms);
    settings.OneBasedChannels = flagOf(OneBasedChannels);
}

} // namespace velmar::monitor
