#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>

namespace velmar::platform {

// A named block of memory shared by every process of the session that holds it. It lives
// as long as some process holds it: the last holder to let go removes it, and a process
// that creates it while others still hold it joins their bytes.
class NamedMapping {
public:
    // Creates the mapping with `size` zero bytes, or joins the one other processes hold
    // (which must be at least `size` long). Throws PlatformError on any failure.
    [[nodiscard]] static std::unique_ptr<NamedMapping> createOrJoin(std::string_view name,
                                                                    std::size_t size);

    // Joins an existing mapping of at least `minimumSize` bytes; nullptr when nobody holds
    // one of that name. Throws PlatformError when the mapping exists but cannot be used.
    [[nodiscard]] static std::unique_ptr<NamedMapping> openExisting(std::string_view name,
                                                                    std::size_t minimumSize);

    ~NamedMapping();
    NamedMapping(const NamedMapping&) = delete;
    NamedMapping& operator=(const NamedMapping&) = delete;

    [[nodiscard]] std::byte* base() const { return m_base; }
    [[nodiscard]] std::size_t size() const { return m_size; }
    // The holder's own handle of the mapping (a descriptor on POSIX, a HANDLE on Windows);
    // meaningful only inside this process.
    [[nodiscard]] std::int64_t handle() const { return m_handle; }
    // True when this process found nobody holding the mapping and started it anew.
    [[nodiscard]] bool createdFresh() const { return m_createdFresh; }

private:
    NamedMapping(std::filesystem::path path, std::int64_t handle, std::byte* base, std::size_t size,
                 bool createdFresh)
        : m_path(std::move(path))
        , m_handle(handle)
        , m_base(base)
        , m_size(size)
        , m_createdFresh(createdFresh)
    {}
    static std::unique_ptr<NamedMapping> mapHeldFile(const std::filesystem::path& path, int fd,
                                                     bool createdFresh);

    // The mapping's file on POSIX; its name on Windows.
    std::filesystem::path m_path;
    std::int64_t m_handle;
    std::byte* m_base;
    std::size_t m_size;
    bool m_createdFresh;
};

} // namespace velmar::platform
