#pragma once

#include "drums/core/KettraSettings.h"

#include <string>
#include <utility>

namespace velmar::drums {

// The configuration file "$Kettra.cfg": read once at start-up, written once at the end.
class KettraSettingsFile {
public:
    explicit KettraSettingsFile(std::string path)
        : m_path(std::move(path))
    {}

    // The file in the program's directory when that can be written, else in the per-user
    // configuration directory; the name is numbered string 3785.
    [[nodiscard]] static KettraSettingsFile Locate(const std::string& exeDir,
                                                   const std::string& windowsDir);

    [[nodiscard]] const std::string& path() const { return m_path; }

    // The record in the file, brought into range. No file, or one that cannot be read,
    // gives the defaults; a short file replaces only the bytes it has.
    [[nodiscard]] KettraSettings Read() const;

    // Replaces the file with the record; false when it could not (the caller may ignore it:
    // a failed write only loses the changes).
    bool Write(const KettraSettings& settings) const;

private:
    std::string m_path;
};

} // namespace velmar::drums
