#pragma once

#include "drums/core/DrumCanvas.h"
#include "drums/core/TransportBar.h"

#include <QString>

namespace velmar::drums {

// A picture's bitmap resource without its colour-depth digit: the name is the stem, the
// digit for the display, then the suffix ("DB" "8" "HINT").
struct PictureResource {
    QString Stem;
    QString Suffix;

    friend bool operator==(const PictureResource&, const PictureResource&) = default;
};

// With `qwerty` (QwertyOnDrums) the kit at rest and the closed hi-hat show the computer
// keys on the instruments; the live-input variants are the GREEN ones.
[[nodiscard]] PictureResource KitPictureResource(KitPicture picture, bool qwerty);
[[nodiscard]] PictureResource SmallPictureResource(SmallPicture picture, HitColour colour,
                                                   bool qwerty);
[[nodiscard]] PictureResource TransportPictureResource(TransportLook look, SizeHighlight size);

} // namespace velmar::drums
