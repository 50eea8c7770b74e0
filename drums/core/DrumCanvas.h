#pragma once

#include <QRect>

#include <cstdint>

namespace velmar::drums {

// The kit-sized pictures, all scaled like the panel: the kit at rest, every instrument lit
// in the host-playback colour, and every instrument lit in the live-input colour.
enum class KitPicture : std::uint8_t { KitImage, HitImage, LocalHitImage };

// The small pictures of grouped instruments, each drawn at its group's LitRect.
enum class SmallPicture : std::uint8_t {
    HiHatClosedHitImage,
    HiHatClosedImage,
    MuteTriangleHitImage,
    ShortGuiroHitImage,
};

// Which variant of a lit look: notes the host plays back, or live input (the computer's
// MIDI input and notes played in the drum window).
enum class HitColour : std::uint8_t { HostPlayback, LiveInput };

// The drum panel as the hit animation sees it. Every look change is one of these calls,
// so a recording canvas can check every change without a screen.
class DrumCanvas {
public:
    virtual ~DrumCanvas() = default;

    // Copies `area` of `picture` to the same area of the panel.
    virtual void CopyRegion(KitPicture picture, const QRect& area) = 0;
    // Copies the whole of `picture` in `colour` into `area`, which has its size.
    virtual void CopyPicture(SmallPicture picture, HitColour colour, const QRect& area) = 0;
    // Paints `area` black, hiding what lies there.
    virtual void FillBlack(const QRect& area) = 0;
};

} // namespace velmar::drums
