#pragma once

#include <QString>

#include <cstdint>

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

// A key pressed or released, as the platform reports it.
struct KeyStroke {
    // Qt's key, which follows the layout and Shift.
    int QtKey = 0;
    bool Keypad = false;
    // The key's place on the keyboard as its xkb keycode (the native scan code on X11 and
    // Wayland); 0 when the platform tells no place.
    std::uint32_t XkbKeycode = 0;
    // What the key types.
    QString Text;
};

// The virtual-key code of `stroke`, the same with or without Shift on every layout: the
// digits row gives its digits whatever it types, a letter the layout's letter, and every
// other key of the main keyboard the code of the US layout's key at its place. Without a
// place, the key (or else the character it types) is read as on the US layout.
[[nodiscard]] int VirtualKeyOf(const KeyStroke& stroke);

// The codes the numeric keypad sends instead of its digits while Shift is held with
// NumLock on (Clear, Page Up, Page Down, End, Home, the arrows, Insert, Delete).
[[nodiscard]] bool IsKeypadNavigationCode(int virtualKey);

} // namespace velmar::drums
