#pragma once

#include <cstdint>

namespace velmar::drums {

// The virtual-key code of the US layout's key at a place on the main keyboard, the place
// given as its xkb keycode (evdev code + 8: X11's key codes, Wayland's with xkb): the
// letters, the digits row and the punctuation keys, Shift left aside. 0 for every other
// place.
[[nodiscard]] int UsKeyAt(std::uint32_t xkbKeycode);

} // namespace velmar::drums
