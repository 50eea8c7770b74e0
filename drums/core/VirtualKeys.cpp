#include "drums/core/VirtualKeys.h"

#include "drums/core/KeyPlaces.h"

#include <Qt>

#include <algorithm>
#include <array>
#include <utility>

namespace velmar::drums {

namespace {

constexpr int kVkClear = 12;
constexpr int kVkPageUp = 33;
constexpr int kVkEnd = 35;
constexpr int kVkHome = 36;
constexpr int kVkDown = 40;
constexpr int kVkInsert = 45;
constexpr int kVkDelete = 46;
constexpr int kVkNumpad0 = 96;
constexpr int kVkMultiply = 106;
constexpr int kVkAdd = 107;
constexpr int kVkSubtract = 109;
constexpr int kVkDecimal = 110;
constexpr int kVkDivide = 111;

using KeyCode = std::pair<int, int>; // Qt key, virtual-key code

// Keys that send the same code from the main keyboard and from the keypad.
constexpr std::array kKeys{
    KeyCode{Qt::Key_Backspace, 8},
    KeyCode{Qt::Key_Tab, kVkTab},
    KeyCode{Qt::Key_Backtab, kVkTab},
    KeyCode{Qt::Key_Clear, kVkClear},
    KeyCode{Qt::Key_Return, kVkReturn},
    KeyCode{Qt::Key_Enter, kVkReturn},
    KeyCode{Qt::Key_Shift, kVkShift},
    KeyCode{Qt::Key_Control, 17},
    KeyCode{Qt::Key_Alt, 18},
    KeyCode{Qt::Key_Escape, 27},
    KeyCode{Qt::Key_Space, kVkSpace},
    KeyCode{Qt::Key_PageUp, kVkPageUp},
    KeyCode{Qt::Key_PageDown, 34},
    KeyCode{Qt::Key_End, kVkEnd},
    KeyCode{Qt::Key_Home, kVkHome},
    KeyCode{Qt::Key_Left, 37},
    KeyCode{Qt::Key_Up, 38},
    KeyCode{Qt::Key_Right, 39},
    KeyCode{Qt::Key_Down, kVkDown},
    KeyCode{Qt::Key_Insert, kVkInsert},
    KeyCode{Qt::Key_Delete, kVkDelete},
};

// The keypad's own codes.
constexpr std::array kKeypadKeys{
    KeyCode{Qt::Key_Asterisk, kVkMultiply}, KeyCode{Qt::Key_Plus, kVkAdd},
    KeyCode{Qt::Key_Minus, kVkSubtract},    KeyCode{Qt::Key_Period, kVkDecimal},
    KeyCode{Qt::Key_Comma, kVkDecimal},     KeyCode{Qt::Key_Slash, kVkDivide},
};

// Main-keyboard keys other than letters and digits, with their shifted symbols on the US
// layout and the dead keys of its international variant.
constexpr std::array kMainKeys{
    KeyCode{Qt::Key_Semicolon, 186},       KeyCode{Qt::Key_Colon, 186},
    KeyCode{Qt::Key_Equal, 187},           KeyCode{Qt::Key_Plus, 187},
    KeyCode{Qt::Key_Comma, 188},           KeyCode{Qt::Key_Less, 188},
    KeyCode{Qt::Key_Minus, 189},           KeyCode{Qt::Key_Underscore, 189},
    KeyCode{Qt::Key_Period, 190},          KeyCode{Qt::Key_Greater, 190},
    KeyCode{Qt::Key_Slash, 191},           KeyCode{Qt::Key_Question, 191},
    KeyCode{Qt::Key_QuoteLeft, 192},       KeyCode{Qt::Key_AsciiTilde, 192},
    KeyCode{Qt::Key_Dead_Grave, 192},      KeyCode{Qt::Key_Dead_Tilde, 192},
    KeyCode{Qt::Key_BracketLeft, 219},     KeyCode{Qt::Key_BraceLeft, 219},
    KeyCode{Qt::Key_Backslash, 220},       KeyCode{Qt::Key_Bar, 220},
    KeyCode{Qt::Key_BracketRight, 221},    KeyCode{Qt::Key_BraceRight, 221},
    KeyCode{Qt::Key_Apostrophe, 222},      KeyCode{Qt::Key_QuoteDbl, 222},
    KeyCode{Qt::Key_Dead_Acute, 222},      KeyCode{Qt::Key_Dead_Diaeresis, 222},
    KeyCode{Qt::Key_Exclam, '1'},          KeyCode{Qt::Key_At, '2'},
    KeyCode{Qt::Key_NumberSign, '3'},      KeyCode{Qt::Key_Dollar, '4'},
    KeyCode{Qt::Key_Percent, '5'},         KeyCode{Qt::Key_AsciiCircum, '6'},
    KeyCode{Qt::Key_Dead_Circumflex, '6'}, KeyCode{Qt::Key_Ampersand, '7'},
    KeyCode{Qt::Key_Asterisk, '8'},        KeyCode{Qt::Key_ParenLeft, '9'},
    KeyCode{Qt::Key_ParenRight, '0'},
};

template <std::size_t N>
int lookUp(const std::array<KeyCode, N>& table, int qtKey)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [qtKey](const KeyCode& entry) { return entry.first == qtKey; });
    return found != table.end() ? found->second : 0;
}

bool isLetter(int qtKey)
{
    return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
}

bool isDigit(int virtualKey)
{
    return virtualKey >= '0' && virtualKey <= '9';
}

// Qt's key, or for a key Qt has no name for, the ASCII character it types: Qt names the
// printable ASCII keys by their upper-case characters.
int keyOrCharacter(const KeyStroke& stroke)
{
    if ((stroke.QtKey != 0 && stroke.QtKey != Qt::Key_unknown) || stroke.Text.size() != 1)
        return stroke.QtKey;
    const char16_t typed = stroke.Text.front().toUpper().unicode();
    return typed > u' ' && typed < 0x7F ? typed : stroke.QtKey;
}

} // namespace

int VirtualKeyOf(int qtKey, bool keypad)
{
    // Letters and digits have their ASCII capitals as codes, like Qt's keys.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? kVkNumpad0 + (qtKey - Qt::Key_0) : qtKey;
    if (const int code = lookUp(kKeys, qtKey); code != 0)
        return code;
    return keypad ? lookUp(kKeypadKeys, qtKey) : lookUp(kMainKeys, qtKey);
}

int VirtualKeyOf(const KeyStroke& stroke)
{
    // The keypad and the keys that are the same on every layout.
    if (stroke.Keypad || lookUp(kKeys, stroke.QtKey) != 0)
        return VirtualKeyOf(stroke.QtKey, stroke.Keypad);
    const int placed = UsKeyAt(stroke.XkbKeycode);
    if (isDigit(placed))
        return placed;
    if (isLetter(stroke.QtKey))
        return stroke.QtKey;
    if (stroke.XkbKeycode != 0)
        return placed;
    return VirtualKeyOf(keyOrCharacter(stroke), false);
}

bool IsKeypadNavigationCode(int virtualKey)
{
    return virtualKey == kVkClear || (virtualKey >= kVkPageUp && virtualKey <= kVkDown) ||
           virtualKey == kVkInsert || virtualKey == kVkDelete;
}

} // namespace velmar::drums
