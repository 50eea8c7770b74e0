#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace velmar::drawing {

inline constexpr QSize kActivityStripSize{312, 37};
inline constexpr int kActivityRows = 2; // NoteOn, Other
inline constexpr int kChannels = 16;

// The light of `row` (0 NoteOn, 1 Other) and `channel` (0..15) in the activity strip; the
// monitor copies exactly these rectangles from its "on" picture.
[[nodiscard]] constexpr QRect activityRect(int row, int channel)
{
    constexpr std::array<int, kChannels> kLeft{49,  64,  80,  96,  112, 128, 144, 160,
                                               176, 193, 208, 224, 240, 256, 272, 288};
    constexpr std::array<int, kChannels> kRight{63,  79,  95,  111, 127, 143, 159, 175,
                                                192, 207, 223, 239, 255, 271, 287, 302};
    const int top = row == 0 ? 10 : 22;
    const int bottom = row == 0 ? 21 : 34;
    const auto at = static_cast<std::size_t>(channel);
    return QRect(QPoint(kLeft[at], top), QPoint(kRight[at] - 1, bottom - 1));
}

} // namespace velmar::drawing
