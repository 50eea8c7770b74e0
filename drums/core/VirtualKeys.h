#pragma once

namespace velmar::drums {

// Windows virtual-key codes the drum window gives a meaning of its own; the kit table
// holds the codes of the keys that play instruments.
inline constexpr int kVkTab = 9;
inline constexpr int kVkReturn = 13;
inline constexpr int kVkShift = 16;
inline constexpr int kVkSpace = 32;

// The virtual-key code of a key as Qt reports it (`qtKey`, a Qt::Key value), with
// `keypad` set for a key of the numeric keypad; 0 for a key without one. Shifted symbols
// of the US layout give their key's code, as the key's code does not change with Shift.
[[nodiscard]] int VirtualKeyOf(int qtKey, bool keypad);

// The codes the numeric keypad sends instead of its digits while Shift is held with
// NumLock on (Clear, Page Up, Page Down, End, Home, the arrows, Insert, Delete).
[[nodiscard]] bool IsKeypadNavigationCode(int virtualKey);

} // namespace velmar::drums
