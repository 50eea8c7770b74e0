#pragma once

#include "monitor/core/OstraSettings.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::monitor {

// The help context the display filter's Help button opens.
inline constexpr int kFilterHelpContext = 12;

// The two SysEx rows of the event kinds, ticked and unticked together.
inline constexpr std::size_t kSysExStartRow = 7;
inline constexpr std::size_t kSysExEndRow = 14;

// What OK finds, in the order it looks: a source, then a channel, then an event kind that
// lets something through.
enum class FilterCheck {
    Accept,
    NoSource,    // refused
    SystemOnly,  // accepted after a warning
    NoEventType, // refused
};

[[nodiscard]] FilterCheck CheckFilter(const OstraSettings& settings);
// The numbered string OK shows for a check, 0 for none.
[[nodiscard]] std::uint16_t FilterCheckMessage(FilterCheck check);
[[nodiscard]] constexpr bool FilterCheckAccepts(FilterCheck check)
{
    return check == FilterCheck::Accept || check == FilterCheck::SystemOnly;
}

// A selected row flips its flag: 0 becomes 1, anything else 0.
void ToggleFlag(std::span<std::uint8_t> flags, std::size_t row);
// As ToggleFlag on EventTypeFilter; the SysEx rows follow each other.
void ToggleEventType(OstraSettings& settings, std::size_t row);

// The mark column: " X" on a ticked row.
[[nodiscard]] QString FilterMark(std::uint8_t flag);

// The names of the three lists as the display-format flags ask.
[[nodiscard]] QString EventTypeName(std::size_t row, bool decimal);
[[nodiscard]] QString ChannelLabel(std::size_t channel, bool decimal, bool oneBased);
[[nodiscard]] QString ControllerName(std::size_t controller, bool decimal);

// The dialog's check boxes and radio buttons.
struct FilterBoxes {
    bool AllExcept = false; // AllExceptRadio checked; otherwise OnlyRadio
    bool ComputerInput = false;
    bool HostOutput = false;
    bool DecimalChannels = false;
    bool DecimalEventTypes = false;
    bool DecimalData = false;
    bool OneBasedPrograms = false;
    bool OneBasedChannels = false;

    [[nodiscard]] static FilterBoxes FormShow(const OstraSettings& settings);
    // What an accepting OK stores: every box, One-Based Programs among them.
    void Store(OstraSettings& settings) const;

    friend bool operator==(const FilterBoxes&, const FilterBoxes&) = default;
};

} // namespace velmar::monitor
