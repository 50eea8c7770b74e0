#pragma once

#include "runtime/language/Language.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace velmar {

// A program directory and a per-user directory of the test's own; InitLanguage moves the
// current directory, so it is put back afterwards.
class InitLanguageTest : public ::testing::Test {
protected:
    InitLanguageTest()
        : m_exeDir(m_session.root() / "program")
        , m_windowsDir(m_session.root() / "user")
    {
        std::filesystem::create_directories(m_exeDir);
        std::filesystem::create_directories(m_windowsDir);
    }

    ~InitLanguageTest() override
    {
        FreeLanguageLibrary();
        std::filesystem::current_path(m_startDir);
    }

    static void write(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // The module file `module` in the program directory under the name of the module of
    // `letter`.
    void installModuleAs(const std::filesystem::path& module, char letter)
    {
        std::filesystem::copy_file(module, m_exeDir / (std::string("Korvo2^") + letter + ".qm"),
                                   std::filesystem::copy_options::overwrite_existing);
    }

    // The tests' small Dutch module under the file name of another language's module.
    void installModuleAs(char letter) { installModuleAs(VELMAR_TEST_LANGUAGE_MODULE, letter); }

    void init(const std::filesystem::path& exeDir)
    {
        InitLanguage(exeDir.string(), m_windowsDir.string());
    }
    void init() { init(m_exeDir); }

    const std::filesystem::path m_startDir = std::filesystem::current_path();
    const test::ScopedSession m_session;
    const std::filesystem::path m_exeDir;
    const std::filesystem::path m_windowsDir;
};

} // namespace velmar
