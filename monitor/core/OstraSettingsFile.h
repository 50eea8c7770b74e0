#pragma once

#include "monitor/core/OstraSettings.h"

#include <string>
#include <utility>

namespace velmar::monitor {

// The configuration file "$OSTRA.cfg": read once at start-up, written once at the end.
class OstraSettingsFile {
public:
    explicit OstraSettingsFile(std::string configFilePath)
        : m_configFilePath(std::move(configFilePath))
    {}

    // The file in the program's directory when that can be written, else in the per-user
    // configuration directory; the name is numbered string 4065.
    [[nodiscard]] static OstraSettingsFile Locate(const std::string& exeDir,
                                                  const std::string& windowsDir);

    [[nodiscard]] const std::string& ConfigFilePath() const { return m_configFilePath; }

    // The record in the file, brought into range. No file, or one that cannot be read,
    // gives the defaults; a short file replaces only the bytes it has.
    [[nodiscard]] OstraSettings LoadSettings() const;

    // Replaces the file with the record's 228 bytes; false when it could not (the caller
    // may ignore it: a failed write only loses the changes).
    bool SaveSettings(const OstraSettings& settings) const;

private:
    std::string m_configFilePath;
};

} // namespace velmar::monitor
