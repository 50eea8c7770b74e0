#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>

namespace velmar::drawing {

// How an instrument looks. Most have two looks, at rest and lit; the hi-hat, the triangle and
// the guiro have one more each, which the drum display shows from small pictures of their own.
enum class Look {
    Rest,
    Lit,             // the open hi-hat, open triangle and long guiro when lit
    HiHatClosedLit,  // cymbals closed, lit
    HiHatClosedRest, // cymbals closed by the pedal
    MuteTriangleLit,
    ShortGuiroLit,
};

// Lit looks glow in the colour of where the note came from.
inline const QColor kHostGlow(255, 132, 16); // played back by the host: warm amber
inline const QColor kLiveGlow(70, 255, 90);  // live input and the user's own playing: green

// The kit with at most one instrument out of its rest look.
struct KitScene {
    int changed = -1; // row of the instrument (a group's anchor row) not at rest; -1 none
    Look look = Look::Rest;
    QColor glow = kHostGlow;
    bool keyHints = false; // print each instrument's computer key on it
};

// The 600 x 400 kit picture of `scene`, on black, drawn `scale` times as fine (2: 1200 x 800).
// With `only` (in design pixels), the picture is right inside that region and objects wholly
// outside it are left out, which spares most of the drawing of one group's look.
[[nodiscard]] QImage drawKit(const KitScene& scene, int scale, const QRegion& only = {});

} // namespace velmar::drawing
