#pragma once

#include <QStringView>

namespace velmar {

// Each program embeds its pictures in a resource directory of its own, the "module" that
// LoadBitmapResource searches. Resource names are stored in capitals.
inline constexpr QStringView kMonitorPictures = u":/pictures/monitor";
inline constexpr QStringView kDrumPictures = u":/pictures/drums";

} // namespace velmar
