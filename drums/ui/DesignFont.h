#pragma once

#include <QFont>

namespace velmar::drums {

// "MS Sans Serif" at height −11 of the designs: the system's sans-serif face at 11 pixels.
[[nodiscard]] QFont DesignFont();

} // namespace velmar::drums
