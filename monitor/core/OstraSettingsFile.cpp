#include "monitor/core/OstraSettingsFile.h"

#include "runtime/language/Language.h"
#include "runtime/platform/Files.h"

#include <string_view>

namespace velmar::monitor {

namespace {

constexpr std::uint16_t kFileNameString = 4065; // "$OSTRA.cfg"

std::string withSlash(std::string directory)
{
    if (directory.empty() || directory.back() != '/')
        directory.push_back('/');
    return directory;
}

} // namespace

OstraSettingsFile OstraSettingsFile::Locate(const std::string& exeDir,
                                            const std::string& windowsDir)
{
    const std::string folder =
        platform::directoryWritable(exeDir) ? withSlash(exeDir) : withSlash(windowsDir);
    return OstraSettingsFile(folder + LoadNumStr(kFileNameString).toStdString());
}

OstraSettings OstraSettingsFile::LoadSettings() const
{
    const std::optional<std::string> bytes =
        platform::readFile(m_configFilePath, OstraSettings::kSize);
    if (!bytes)
        return {};
    return BringIntoRange(OstraSettings::FromBytes(std::as_bytes(std::span(*bytes))));
}

bool OstraSettingsFile::SaveSettings(const OstraSettings& settings) const
{
    const OstraSettings::Bytes bytes = settings.ToBytes();
    return platform::replaceFile(
        m_configFilePath,
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace velmar::monitor
