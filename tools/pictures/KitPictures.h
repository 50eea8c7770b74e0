#pragma once

#include "tools/pictures/PictureSet.h"

namespace velmar::drawing {

// The drum kit: at rest ("DB", and "DBHINT" with the computer keys), every instrument lit in
// the host's colour ("DH") and in the live-input colour ("DHGREEN"), and the small pictures
// of the hi-hat ("HHC", "HHFC", "HHFCHINT"), mute triangle ("MTRI") and short guiro
// ("SGUIRO") with their "GREEN" variants, cut from the kit at their group's lit area. Drawn
// `scale` times as fine as the 600 x 400 design.
[[nodiscard]] PictureFamily kitPictures(int scale);

} // namespace velmar::drawing
