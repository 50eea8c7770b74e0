#pragma once

#include "monitor/core/OstraSettings.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace velmar::monitor {

// The help context of the settings dialog's Help button and controls.
inline constexpr int kSettingsHelpContext = 11;
// The form itself, when none of its controls has the focus.
inline constexpr int kSettingsFormHelpContext = 3;

// The ranges of the two spin boxes, and the longest quiet period OK stores.
inline constexpr int kMinDisplayEvents = 10;
inline constexpr int kMaxDisplayEvents = kMaxDisplayEventCount;
inline constexpr int kMinStopSeconds = 1;
inline constexpr int kMaxStopSecondsShown = kMaxInactivityStopMs / 1000;
inline constexpr int kMaxStopSecondsStored = 60;

// A spin box's text read as its value: a whole number, or the box's minimum when the text
// is not one. Not brought into range.
[[nodiscard]] int ReadSpinText(QStringView text, int minimum);

// What the settings dialog's controls hold. The dialog only copies these to and from its
// controls; what goes where is decided here.
struct MonitorSettingsFields {
    bool OnTop = false;
    // The checked "When Display is Full" button; none for a mode the dialog does not know,
    // which leaves the buttons as they were.
    std::optional<std::int16_t> DisplayFullMode;
    int NumEvts = kMinDisplayEvents;
    int StopTimerSecs = kMinStopSeconds;
    bool SaveToFile = false;

    // The controls as the dialog opens on the record, the spin values in the boxes' ranges.
    [[nodiscard]] static MonitorSettingsFields FormShow(const OstraSettings& settings);

    // Stores the controls into the record, the row count in 10 to 32000 and the quiet period
    // in 1 to 60 seconds. Returns the controls as OK leaves them, clamped values set back.
    [[nodiscard]] MonitorSettingsFields OKButtonClick(OstraSettings& settings) const;

    friend bool operator==(const MonitorSettingsFields&, const MonitorSettingsFields&) = default;
};

} // namespace velmar::monitor
