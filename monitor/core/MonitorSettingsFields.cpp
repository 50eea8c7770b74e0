#include "monitor/core/MonitorSettingsFields.h"

#include <algorithm>

namespace velmar::monitor {

int ReadSpinText(QStringView text, int minimum)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : minimum;
}

MonitorSettingsFields MonitorSettingsFields::FormShow(const OstraSettings& settings)
{
    MonitorSettingsFields fields;
    if (settings.DisplayFullMode >= kDisplayFullStop &&
        settings.DisplayFullMode <= kDisplayFullWrapClearCount)
        fields.DisplayFullMode = settings.DisplayFullMode;
    fields.NumEvts =
        std::clamp<int>(settings.DisplayEventCount, kMinDisplayEvents, kMaxDisplayEvents);
    fields.StopTimerSecs =
        std::clamp(settings.InactivityStopMs / 1000, kMinStopSeconds, kMaxStopSecondsShown);
    fields.OnTop = settings.AlwaysOnTop != 0;
    fields.SaveToFile = settings.SaveTextToFile != 0;
    return fields;
}

MonitorSettingsFields MonitorSettingsFields::OKButtonClick(OstraSettings& settings) const
{
    MonitorSettingsFields stored = *this;
    stored.NumEvts = std::clamp(NumEvts, kMinDisplayEvents, kMaxDisplayEvents);
    stored.StopTimerSecs = std::clamp(StopTimerSecs, kMinStopSeconds, kMaxStopSecondsStored);
    // A mode the dialog does not know shows no checked button, which OK reads as the last.
    stored.DisplayFullMode = DisplayFullMode.value_or(kDisplayFullWrapClearCount);

    settings.DisplayFullMode = *stored.DisplayFullMode;
    settings.DisplayEventCount = static_cast<std::int16_t>(stored.NumEvts);
    settings.InactivityStopMs = stored.StopTimerSecs * 1000;
    settings.AlwaysOnTop = OnTop ? 1 : 0;
    settings.SaveTextToFile = SaveToFile ? 1 : 0;
    return stored;
}

} // namespace velmar::monitor
