#include "drums/core/KettraSettingsFile.h"

#include "drums/core/SettingsFileName.h"
#include "runtime/language/Language.h"
#include "runtime/platform/Files.h"

#include <string_view>

namespace velmar::drums {

namespace {

constexpr std::uint16_t kFileNameString = 3785; // "$Kettra.cfg"

std::string withSlash(std::string directory)
{
    if (directory.empty() || directory.back() != '/')
        directory.push_back('/');
    return directory;
}

} // namespace

KettraSettingsFile KettraSettingsFile::Locate(const std::string& exeDir,
                                              const std::string& windowsDir)
{
    const std::string folder =
        platform::directoryWritable(exeDir) ? withSlash(exeDir) : withSlash(windowsDir);
    return KettraSettingsFile(folder + SettingsFileName(LoadNumStr(kFileNameString)));
}

KettraSettings KettraSettingsFile::Read() const
{
    const std::optional<std::string> bytes = platform::readFile(m_path, KettraSettings::kSize);
    if (!bytes)
        return {};
    return BringIntoRange(KettraSettings::FromBytes(std::as_bytes(std::span(*bytes))));
}

bool KettraSettingsFile::Write(const KettraSettings& settings) const
{
    const KettraSettings::Bytes bytes = settings.ToBytes();
    return platform::replaceFile(
        m_path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace velmar::drums
