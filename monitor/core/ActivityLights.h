#pragma once

#include "monitor/core/OstraSettings.h"

#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

namespace velmar::monitor {

// The rows of the activity box.
inline constexpr std::size_t kNoteOnLights = 0;
inline constexpr std::size_t kOtherLights = 1;
inline constexpr std::size_t kLightRows = 2;

// The activity pictures' size, and where each light lies in them, by row and channel (0 to 15).
inline constexpr QSize kActivityStripSize{312, 37};
extern const std::array<std::array<QRect, kChannelCount>, kLightRows> ActivityRects;

// A light of the pictures on a strip of `strip` pixels, which a form scaled for a larger font
// makes larger than the pictures: each edge scaled and rounded, so that neighbours still meet.
[[nodiscard]] QRect LightOnStrip(const QRect& light, QSize strip);

// The 2 × 16 channel activity lights. A light goes on with the first message of its kind
// on its channel and stays on until the box is cleared. The view repaints the lights
// that came on since it last asked, or all of them when it paints the whole box.
class ActivityLights {
public:
    [[nodiscard]] bool Lit(std::size_t row, std::size_t channel) const
    {
        return (m_lit & bit(row, channel)) != 0;
    }

    // Turns a light on; a lit light is left alone.
    void LightChannel(std::size_t row, std::size_t channel)
    {
        const std::uint32_t light = bit(row, channel);
        m_newlyLit |= light & ~m_lit;
        m_lit |= light;
    }

    // Every light off.
    void ClearActivity()
    {
        m_lit = 0;
        m_newlyLit = 0;
    }

    // The lights that came on since the last call, bit row × 16 + channel.
    [[nodiscard]] std::uint32_t TakeNewlyLit()
    {
        const std::uint32_t lights = m_newlyLit;
        m_newlyLit = 0;
        return lights;
    }

    [[nodiscard]] static constexpr std::uint32_t bit(std::size_t row, std::size_t channel)
    {
        return 1U << (row * kChannelCount + channel);
    }

private:
    std::uint32_t m_lit = 0;
    std::uint32_t m_newlyLit = 0;
};

} // namespace velmar::monitor
