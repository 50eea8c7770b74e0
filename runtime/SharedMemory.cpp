#include "runtime/SharedMemory.h"

#include "runtime/language/NumberedText.h"
#include "runtime/platform/PlatformError.h"

namespace velmar {

namespace {

constexpr std::uint16_t kErrorCreatingMapping = 4678;

[[noreturn]] void raiseCreationError(std::string detail)
{
    throw SharedMemoryError(NumberedText(kErrorCreatingMapping), std::move(detail));
}

} // namespace

std::unique_ptr<SharedMemory> SharedMemory::Create(const std::string& name, std::int32_t length)
{
    if (length < 0)
        raiseCreationError("negative length " + std::to_string(length) + " for mapping " + name);
    try {
        if (length == 0) {
            auto mapping = platform::NamedMapping::openExisting(name, kPrefixSize);
            if (!mapping)
                return nullptr;
            return std::unique_ptr<SharedMemory>(new SharedMemory(std::move(mapping)));
        }
        const std::size_t total = static_cast<std::size_t>(length) + kPrefixSize;
        auto map = std::unique_ptr<SharedMemory>(
            new SharedMemory(platform::NamedMapping::createOrJoin(name, total)));
        // Written on every construction, also into a mapping the host made.
        const auto value = static_cast<std::uint32_t>(length);
        for (std::size_t i = 0; i < kPrefixSize; ++i)
            map->ViewBase()[i] = static_cast<std::byte>((value >> (8U * i)) & 0xFFU);
        return map;
    } catch (const platform::PlatformError& error) {
        raiseCreationError(error.what());
    }
}

} // namespace velmar
