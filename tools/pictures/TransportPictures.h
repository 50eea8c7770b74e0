#pragma once

#include "tools/pictures/PictureSet.h"

namespace velmar::drawing {

// The drum display's transport strip: eight buttons (full-, half- and quarter-size window,
// settings, record, play, rewind, stop) in five looks, each with its own button pressed
// ("SET", "REC", "PLA", "REW", "STOP"), times four window-size highlights ("00" none, "11"
// full, "12" half, "14" quarter). Drawn `scale` times as fine as the 336 x 17 design.
[[nodiscard]] PictureFamily transportPictures(int scale);

} // namespace velmar::drawing
