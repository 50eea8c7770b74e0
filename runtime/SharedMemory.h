#pragma once

#include "runtime/platform/NamedMapping.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace velmar {

// A failure of the shared memory: what() is the numbered-string text in the current
// language, shown to the user; detail() says what the system reported.
class SharedMemoryError : public std::runtime_error {
public:
    SharedMemoryError(const std::string& text, std::string detail)
        : std::runtime_error(text)
        , m_detail(std::move(detail))
    {}
    [[nodiscard]] const std::string& detail() const { return m_detail; }

private:
    std::string m_detail;
};

// One named mapping shared with the host, and its view. The mapping starts with a 4-byte
// little-endian length prefix; the data follows it.
class SharedMemory {
public:
    // Create mode (length > 0): creates the mapping with length + 4 bytes or joins the one
    // the host holds, and writes the length into the prefix. Open mode (length 0): joins
    // an existing mapping and leaves its bytes alone; nullptr when there is none.
    // Throws SharedMemoryError when the mapping cannot be made or joined.
    [[nodiscard]] static std::unique_ptr<SharedMemory> Create(const std::string& name,
                                                              std::int32_t length);

    // The data: the first byte after the length prefix.
    [[nodiscard]] std::byte* Data() const { return m_mapping->base() + kPrefixSize; }
    // Bytes from Data() to the end of the mapping; no one reads further.
    [[nodiscard]] std::size_t DataSize() const { return m_mapping->size() - kPrefixSize; }
    // The view's first byte, where the length prefix lies.
    [[nodiscard]] std::byte* ViewBase() const { return m_mapping->base(); }
    // The handle the host is given at sign-in.
    [[nodiscard]] std::int64_t Handle() const { return m_mapping->handle(); }

    static constexpr std::size_t kPrefixSize = 4;

private:
    explicit SharedMemory(std::unique_ptr<platform::NamedMapping> mapping)
        : m_mapping(std::move(mapping))
    {}

    std::unique_ptr<platform::NamedMapping> m_mapping;
};

} // namespace velmar
