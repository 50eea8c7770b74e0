#pragma once

#include <cstddef>
#include <span>
#include <type_traits>

namespace velmar {

// The programs' settings records are stored raw: every field little-endian at its offset,
// an array field element after element. These write and read one field.
template <typename Field>
void StorePacked(std::span<std::byte> bytes, std::size_t offset, const Field& field)
{
    if constexpr (std::is_integral_v<Field>) {
        const auto value = static_cast<std::make_unsigned_t<Field>>(field);
        for (std::size_t i = 0; i < sizeof(Field); ++i)
            bytes[offset + i] = static_cast<std::byte>((value >> (8U * i)) & 0xFFU);
    } else {
        for (std::size_t i = 0; i < field.size(); ++i)
            StorePacked(bytes, offset + i * sizeof(field[0]), field[i]);
    }
}

template <typename Field>
void LoadPacked(std::span<const std::byte> bytes, std::size_t offset, Field& field)
{
    if constexpr (std::is_integral_v<Field>) {
        using Unsigned = std::make_unsigned_t<Field>;
        Unsigned value = 0;
        for (std::size_t i = 0; i < sizeof(Field); ++i)
            value = static_cast<Unsigned>(
                value | (std::to_integer<Unsigned>(bytes[offset + i]) << (8U * i)));
        field = static_cast<Field>(value);
    } else {
        for (std::size_t i = 0; i < field.size(); ++i)
            LoadPacked(bytes, offset + i * sizeof(field[0]), field[i]);
    }
}

// A stored flag other than 0 counts as set, and is kept as 1.
template <typename Flag>
[[nodiscard]] constexpr Flag AsFlag(Flag value)
{
    return value != 0 ? Flag{1} : Flag{0};
}

} // namespace velmar
