#include "runtime/platform/SaveTemporaries.h"

#include <charconv>
#include <random>
#include <string_view>
#include <system_error>

namespace velmar::platform {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

} // namespace

std::string temporaryNameFor(const std::string& path, unsigned long processId)
{
    static std::mt19937 generator{std::random_device{}()};
    return path + std::string(kTemporaryMark) + std::to_string(processId) + "-" +
           std::to_string(generator());
}

void removeLeftoverTemporariesOf(const std::filesystem::path& path,
                                 bool (*processIsGone)(unsigned long processId))
{
    const std::string prefix = path.filename().string() + std::string(kTemporaryMark);
    const std::filesystem::path parent =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::error_code error;
    for (std::filesystem::directory_iterator entry(parent, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        unsigned long processId = 0;
        const auto [idEnd, parseError] =
            std::from_chars(rest.data(), rest.data() + rest.size(), processId);
        std::error_code statError;
        if (parseError != std::errc{} || processId == 0 || idEnd == rest.data() + rest.size() ||
            *idEnd != '-' || !entry->is_regular_file(statError) || entry->is_symlink(statError))
            continue;
        if (processIsGone(processId)) {
            std::error_code ignored;
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

} // namespace velmar::platform
