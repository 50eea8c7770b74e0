#pragma once

#include "tools/pictures/PictureSet.h"

#include <QImage>
#include <QList>

namespace velmar::drawing {

// A review sheet: every picture at 1:1 as the programs will decode it, its 256-colour
// version beside its 16-colour one, each pair under its names; then every picture of the
// finer set.
[[nodiscard]] QImage drawContactSheet(const QList<EncodedPicture>& pictures, const FinerSet& finer);

} // namespace velmar::drawing
