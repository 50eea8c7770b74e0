#pragma once

#include "tools/pictures/PictureSet.h"

namespace velmar::drawing {

// The monitor's channel activity strip with every light off ("MONNEG") and on ("MONPOS").
[[nodiscard]] PictureFamily monitorPictures();

} // namespace velmar::drawing
