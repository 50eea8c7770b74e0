#pragma once

#include "runtime/language/Language.h"

#include <QTemporaryDir>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

namespace velmar::test {

// The languages the programs ship, by the names Language.Ini takes.
inline constexpr std::array<const char*, 3> kShippedLanguages = {"English", "German", "Japanese"};

// Chooses a language for as long as it lives, as a user does: a Language.Ini beside the
// build's language modules, in a program directory of its own. English again afterwards,
// and the current directory, which choosing moves, put back. Needs VELMAR_PROGRAM_DIR, the
// directory the build puts the modules in.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const std::string& language)
    {
        namespace fs = std::filesystem;
        fs::create_directories(m_exeDir);
        for (const char* module : {"Korvo2^G.qm", "Korvo2^J.qm"})
            fs::copy_file(fs::path(VELMAR_PROGRAM_DIR) / module, m_exeDir / module);
        std::ofstream(m_exeDir / "Language.Ini", std::ios::binary)
            << "LANGUAGE=" << language << "\r\n";
        InitLanguage(m_exeDir.string(), m_exeDir.string());
    }

    ~ScopedLanguage()
    {
        std::filesystem::remove(m_exeDir / "Language.Ini");
        InitLanguage(m_exeDir.string(), m_exeDir.string());
        std::filesystem::current_path(m_startDir);
    }

    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    const std::filesystem::path m_startDir = std::filesystem::current_path();
    QTemporaryDir m_root;
    const std::filesystem::path m_exeDir =
        std::filesystem::path(m_root.path().toStdString()) / "bin";
};

} // namespace velmar::test
