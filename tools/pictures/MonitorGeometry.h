#pragma once

#include "monitor/core/ActivityLights.h"

#include <QRect>
#include <QSize>

namespace velmar::drawing {

inline constexpr QSize kActivityStripSize = monitor::kActivityStripSize;
inline constexpr int kActivityRows = static_cast<int>(monitor::kLightRows); // NoteOn, Other
inline constexpr int kChannels = static_cast<int>(monitor::kChannelCount);

// The light of `row` (0 NoteOn, 1 Other) and `channel` (0..15) in the activity strip: the
// rectangles the monitor copies from its "on" picture.
[[nodiscard]] inline QRect activityRect(int row, int channel)
{
    return monitor::ActivityRects[static_cast<std::size_t>(row)][static_cast<std::size_t>(channel)];
}

} // namespace velmar::drawing
