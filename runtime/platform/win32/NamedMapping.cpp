#include "runtime/platform/NamedMapping.h"

#include "runtime/platform/PlatformError.h"
#include "runtime/platform/win32/Win32Error.h"
#include "runtime/platform/win32/Win32Handles.h"

#include <windows.h>
#include <string>

namespace velmar::platform {

namespace {

std::string checkedName(std::string_view name)
{
    // A backslash would reach into another object namespace; a slash is refused as on POSIX.
    if (name.empty() || name.find_first_of("/\\") != std::string_view::npos)
        throw PlatformError("Invalid mapping name \"" + std::string(name) + "\"");
    return std::string(name);
}

// The size of a section another process created: as its creator gave it where the system
// tells (Wine tells it in whole pages), never more than the view spans, so nothing past the
// view is read.
std::size_t sectionSize(HANDLE section, const void* view)
{
    MEMORY_BASIC_INFORMATION region{};
    if (::VirtualQuery(view, &region, sizeof region) == 0)
        return 0;
    struct SectionBasicInformation {
        void* baseAddress;
        ULONG attributes;
        LARGE_INTEGER size;
    };
    using QuerySection = LONG(WINAPI*)(HANDLE, int, void*, SIZE_T, SIZE_T*);
    static const auto query = reinterpret_cast<QuerySection>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySection")));
    SectionBasicInformation info{};
    if (query != nullptr && query(section, 0, &info, sizeof info, nullptr) >= 0 &&
        info.size.QuadPart > 0 && static_cast<ULONGLONG>(info.size.QuadPart) < region.RegionSize)
        return static_cast<std::size_t>(info.size.QuadPart);
    return region.RegionSize;
}

} // namespace

namespace {

struct View {
    UniqueHandle section;
    std::byte* base = nullptr;
    std::size_t size = 0;
};

// `knownSize`: the size this process gave the mapping it created, 0 for one it joined.
View mapWhole(UniqueHandle section, const std::string& name, std::size_t minimumSize,
              std::size_t knownSize = 0)
{
    void* base = ::MapViewOfFileEx(section.get(), FILE_MAP_WRITE, 0, 0, 0, nullptr);
    if (base == nullptr)
        throw PlatformError(describeLastError("Cannot map " + name, ::GetLastError()));
    const std::size_t size = knownSize != 0 ? knownSize : sectionSize(section.get(), base);
    if (size < minimumSize) {
        ::UnmapViewOfFile(base);
        throw PlatformError("Mapping " + name + " is " + std::to_string(size) +
                            " bytes, shorter than the " + std::to_string(minimumSize) +
                            " bytes needed");
    }
    return {std::move(section), static_cast<std::byte*>(base), size};
}

} // namespace

std::unique_ptr<NamedMapping> NamedMapping::createOrJoin(std::string_view name, std::size_t size)
{
    const std::string checked = checkedName(name);
    const auto wide = static_cast<ULONGLONG>(size);
    UniqueHandle section(::CreateFileMappingA(
        INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, static_cast<DWORD>(wide >> 32U),
        static_cast<DWORD>(wide & 0xFFFF'FFFFU), checked.c_str()));
    // Asked at once: the next call may change it.
    const DWORD error = ::GetLastError();
    if (!section.valid())
        throw PlatformError(describeLastError("Cannot create mapping " + checked, error));
    // A mapping others hold is joined as its creator made it; a new one is all zero.
    const bool fresh = error != ERROR_ALREADY_EXISTS;
    View view = mapWhole(std::move(section), checked, size, fresh ? size : 0);
    return std::unique_ptr<NamedMapping>(
        new NamedMapping(checked, reinterpret_cast<std::intptr_t>(view.section.release()),
                         view.base, view.size, fresh));
}

std::unique_ptr<NamedMapping> NamedMapping::openExisting(std::string_view name,
                                                         std::size_t minimumSize)
{
    const std::string checked = checkedName(name);
    // SECTION_QUERY beside write access, to learn the size the creator gave it.
    UniqueHandle section(::OpenFileMappingA(FILE_MAP_WRITE | SECTION_QUERY, TRUE, checked.c_str()));
    if (!section.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return nullptr;
        throw PlatformError(describeLastError("Cannot open mapping " + checked, error));
    }
    View view = mapWhole(std::move(section), checked, minimumSize);
    return std::unique_ptr<NamedMapping>(
        new NamedMapping(checked, reinterpret_cast<std::intptr_t>(view.section.release()),
                         view.base, view.size, false));
}

// The handle is closed with the view: a mapping the process keeps no hold on must end when
// its other holders let go, as it does on POSIX.
NamedMapping::~NamedMapping()
{
    ::UnmapViewOfFile(m_base);
    ::CloseHandle(reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(m_handle)));
}

} // namespace velmar::platform
