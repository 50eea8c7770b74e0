#pragma once

#include "drums/core/DrumCanvas.h"
#include "drums/core/TransportBar.h"
#include "runtime/pictures/PictureCache.h"
#include "runtime/pictures/PictureModules.h"

#include <QPixmap>

#include <array>
#include <cstddef>

namespace velmar::drums {

// The form's pictures, loaded from their bitmap resources or the finer sets and scaled
// once to the screen's pixels, so that every change on the screen is a copy.
class KitPictures {
public:
    // What the pictures are loaded for.
    struct Choice {
        double Scale = 1.0;
        int ColorCount = 0;  // the display's: more than 256 takes the 256-colour pictures
        bool Qwerty = false; // the kit at rest shows the computer keys
        int ClientWidth = 0; // the transport bar is squeezed into a narrower window
        // Device pixels per pixel of the screen: the pictures are made for its pixels, from
        // the set fine enough for them.
        double DevicePixelRatio = 1.0;
    };

    // Makes every picture anew, decoding only those of a set not decoded before. False, with
    // the pictures as they were, when a resource is missing.
    [[nodiscard]] bool Load(const Choice& choice);

    [[nodiscard]] const QPixmap& Kit(KitPicture picture) const;
    [[nodiscard]] const QPixmap& Small(SmallPicture picture, HitColour colour) const;
    [[nodiscard]] const QPixmap& Transport(TransportLook look, SizeHighlight size) const;
    // The ratio the pictures were made for; each covers its size in logical pixels.
    [[nodiscard]] double DevicePixelRatio() const { return m_devicePixelRatio; }

private:
    static constexpr std::size_t kKitPictures = 3;
    static constexpr std::size_t kSmallPictures = 4 * 2;
    static constexpr std::size_t kTransportPictures = 5 * 4;

    struct Set {
        std::array<QPixmap, kKitPictures> Kit;
        std::array<QPixmap, kSmallPictures> Small;
        std::array<QPixmap, kTransportPictures> Transport;
    };

    [[nodiscard]] static std::size_t smallIndex(SmallPicture picture, HitColour colour);
    [[nodiscard]] static std::size_t transportIndex(TransportLook look, SizeHighlight size);

    PictureCache m_cache{kDrumPictures}; // each resize scales them anew
    Set m_set;
    double m_devicePixelRatio = 1.0;
};

} // namespace velmar::drums
