#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <string>
#include <vector>

// Damaged settings files and what loading each must give: the defaults overlaid with the
// bytes the file has, then every field brought into its range by the rule its loader
// documents (docs/decisions/0003 and 0004).
namespace velmar::test {

using ByteImage = std::vector<std::byte>;

// One field of a raw record: a value below `low` becomes `belowLow`, one above `high`
// becomes `aboveHigh`, anything else stays.
struct FieldRule {
    std::size_t offset = 0;
    std::size_t width = 1;
    bool isSigned = false;
    std::int64_t low = std::numeric_limits<std::int64_t>::min();
    std::int64_t belowLow = 0;
    std::int64_t high = std::numeric_limits<std::int64_t>::max();
    std::int64_t aboveHigh = 0;
};

[[nodiscard]] constexpr FieldRule Kept(std::size_t offset, std::size_t width, bool isSigned)
{
    return {offset, width, isSigned};
}
// Stored 0 or 1; any other value counts as set.
[[nodiscard]] constexpr FieldRule Flag(std::size_t offset, std::size_t width = 1,
                                       bool isSigned = false)
{
    return {offset, width, isSigned, 0, 1, 1, 1};
}
// Signed; a value outside low..high becomes the nearest end.
[[nodiscard]] constexpr FieldRule Clamped(std::size_t offset, std::size_t width, std::int64_t low,
                                          std::int64_t high)
{
    return {offset, width, true, low, low, high, high};
}

[[nodiscard]] std::int64_t ReadField(std::span<const std::byte> image, const FieldRule& rule);
void WriteField(std::span<std::byte> image, const FieldRule& rule, std::int64_t value);

// True when the rules cover each byte of a record of `size` bytes exactly once.
[[nodiscard]] bool CoversEveryByteOnce(std::span<const FieldRule> rules, std::size_t size);

// The record that loading `file` must give, before any derived values are recomputed.
[[nodiscard]] ByteImage ExpectedRecord(std::span<const std::byte> file,
                                       std::span<const std::byte> defaults,
                                       std::span<const FieldRule> rules);

struct DamagedFile {
    std::string what;
    ByteImage bytes;
};

// `source` cut at every length from 0 to one byte longer than the record (a byte of 0x5A
// added), and `record` with each single bit flipped in turn.
[[nodiscard]] std::vector<DamagedFile> CutFiles(std::span<const std::byte> source,
                                                const std::string& name);
[[nodiscard]] std::vector<DamagedFile> BitFlippedFiles(std::span<const std::byte> record);

void WriteRawFile(const std::filesystem::path& path, std::span<const std::byte> bytes);

// The first offset where two images differ, as text; empty when they are equal.
[[nodiscard]] std::string FirstDifference(std::span<const std::byte> actual,
                                          std::span<const std::byte> expected);

} // namespace velmar::test
