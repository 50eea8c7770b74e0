#pragma once

#include "runtime/platform/Windows.h"

#include <windows.h>
#include <cstdint>
#include <utility>

namespace velmar::platform {

// Owns one kernel handle and closes it.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle)
        : m_handle(handle)
    {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr))
    {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    [[nodiscard]] HANDLE get() const { return m_handle; }
    // Both "no handle" values of the API count as invalid.
    [[nodiscard]] bool valid() const
    {
        return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE;
    }
    [[nodiscard]] HANDLE release() { return std::exchange(m_handle, nullptr); }
    void reset(HANDLE handle = nullptr)
    {
        if (valid())
            ::CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle = nullptr;
};

// Window handles have 32 significant bits, also in 64-bit processes (so 32- and 64-bit
// programs can exchange them); widening sign-extends, as the system's own conversion does.
inline ::HWND toNativeWindow(platform::HWND hwnd)
{
    return reinterpret_cast<::HWND>(
        static_cast<std::intptr_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(hwnd))));
}

inline platform::HWND fromNativeWindow(::HWND hwnd)
{
    return static_cast<platform::HWND>(reinterpret_cast<std::uintptr_t>(hwnd) & 0xFFFF'FFFFU);
}

} // namespace velmar::platform
