#include "tests/stress/SettingsDamage.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace velmar::test {

std::int64_t ReadField(std::span<const std::byte> image, const FieldRule& rule)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < rule.width; ++i)
        value |= std::to_integer<std::uint64_t>(image[rule.offset + i]) << (8U * i);
    const unsigned bits = 8U * static_cast<unsigned>(rule.width);
    if (rule.isSigned && (value >> (bits - 1U)) != 0U)
        return static_cast<std::int64_t>(value) - (std::int64_t{1} << bits);
    return static_cast<std::int64_t>(value);
}

void WriteField(std::span<std::byte> image, const FieldRule& rule, std::int64_t value)
{
    const auto bits = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < rule.width; ++i)
        image[rule.offset + i] = static_cast<std::byte>((bits >> (8U * i)) & 0xFFU);
}

bool CoversEveryByteOnce(std::span<const FieldRule> rules, std::size_t size)
{
    std::vector<int> covered(size, 0);
    for (const FieldRule& rule : rules) {
        if (rule.offset + rule.width > size)
            return false;
        for (std::size_t i = 0; i < rule.width; ++i)
            ++covered[rule.offset + i];
    }
    return std::ranges::all_of(covered, [](int count) { return count == 1; });
}

ByteImage ExpectedRecord(std::span<const std::byte> file, std::span<const std::byte> defaults,
                         std::span<const FieldRule> rules)
{
    ByteImage image(defaults.begin(), defaults.end());
    std::copy_n(file.begin(), std::min(file.size(), image.size()), image.begin());
    for (const FieldRule& rule : rules) {
        const std::int64_t value = ReadField(image, rule);
        if (value < rule.low)
            WriteField(image, rule, rule.belowLow);
        else if (value > rule.high)
            WriteField(image, rule, rule.aboveHigh);
    }
    return image;
}

std::vector<DamagedFile> CutFiles(std::span<const std::byte> source, const std::string& name)
{
    std::vector<DamagedFile> files;
    ByteImage longer(source.begin(), source.end());
    longer.push_back(std::byte{0x5A});
    for (std::size_t length = 0; length <= longer.size(); ++length)
        files.push_back({name + " cut to " + std::to_string(length) + " bytes",
                         ByteImage(longer.begin(), longer.begin() + static_cast<long>(length))});
    return files;
}

std::vector<DamagedFile> BitFlippedFiles(std::span<const std::byte> record)
{
    std::vector<DamagedFile> files;
    for (std::size_t bit = 0; bit < record.size() * 8U; ++bit) {
        ByteImage bytes(record.begin(), record.end());
        bytes[bit / 8U] ^= static_cast<std::byte>(1U << (bit % 8U));
        files.push_back({"bit " + std::to_string(bit % 8U) + " of byte " +
                             std::to_string(bit / 8U) + " flipped",
                         std::move(bytes)});
    }
    return files;
}

void WriteRawFile(const std::filesystem::path& path, std::span<const std::byte> bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

std::string FirstDifference(std::span<const std::byte> actual, std::span<const std::byte> expected)
{
    if (actual.size() != expected.size())
        return "sizes " + std::to_string(actual.size()) + " and " + std::to_string(expected.size());
    const auto [got, wanted] = std::ranges::mismatch(actual, expected);
    if (got == actual.end())
        return {};
    return "byte " + std::to_string(got - actual.begin()) + " is " +
           std::to_string(std::to_integer<int>(*got)) + ", expected " +
           std::to_string(std::to_integer<int>(*wanted));
}

} // namespace velmar::test
