#pragma once

#include "tools/pictures/PictureSet.h"

#include <QImage>
#include <QList>

namespace velmar::drawing {

// A review sheet: every picture at 1:1 as the programs will decode it, its 256-colour
// version beside its 16-colour one, each pair under its names.
[[nodiscard]] QImage drawContactSheet(const QList<EncodedPicture>& pictures);

} // namespace velmar::drawing
