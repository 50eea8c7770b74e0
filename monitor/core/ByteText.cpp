#include "monitor/core/ByteText.h"

#include <array>
#include <cstddef>

namespace velmar::monitor {

namespace {

struct ShortText {
    std::array<char, 7> chars{};
    std::size_t length = 0;

    constexpr void append(char c) { chars[length++] = c; }
    constexpr void append(std::string_view text)
    {
        for (const char c : text)
            append(c);
    }
    [[nodiscard]] constexpr std::string_view view() const { return {chars.data(), length}; }
};

using ByteTable = std::array<ShortText, 256>;

constexpr ByteTable hexTable()
{
    constexpr std::string_view digits = "0123456789ABCDEF";
    ByteTable table{};
    for (std::size_t value = 0; value < table.size(); ++value) {
        table[value].append(digits[value >> 4U]);
        table[value].append(digits[value & 0x0FU]);
        table[value].append(' ');
    }
    return table;
}

constexpr ByteTable decimalTable()
{
    ByteTable table{};
    for (std::size_t value = 0; value < table.size(); ++value) {
        table[value].append(value >= 100 ? static_cast<char>('0' + value / 100) : ' ');
        table[value].append(value >= 10 ? static_cast<char>('0' + value / 10 % 10) : ' ');
        table[value].append(static_cast<char>('0' + value % 10));
        table[value].append(' ');
    }
    return table;
}

constexpr ByteTable kHexByteText = hexTable();
constexpr ByteTable kDecByteText = decimalTable();

constexpr ByteTable noteTable()
{
    constexpr std::array<std::string_view, 12> names = {"C",  "Db", "D",  "Eb", "E",  "F",
                                                        "Gb", "G",  "Ab", "A",  "Bb", "B"};
    ByteTable table{};
    for (std::size_t note = 0; note < table.size(); ++note) {
        table[note].append(names[note % 12]);
        table[note].append(kDecByteText[note / 12].view());
    }
    return table;
}

constexpr ByteTable kNoteNameText = noteTable();

} // namespace

std::string_view HexByteText(std::uint8_t value)
{
    return kHexByteText[value].view();
}

std::string_view DecByteText(std::uint8_t value)
{
    return kDecByteText[value].view();
}

std::string_view NoteNameText(std::uint8_t note)
{
    return kNoteNameText[note].view();
}

} // namespace velmar::monitor
