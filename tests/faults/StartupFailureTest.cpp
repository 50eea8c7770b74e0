// The programs' start-up failing for reasons outside them: each tells why, on standard error
// and in its error box, and one SIGINT or SIGTERM ends it whatever it is showing.

#include "tests/faults/FaultTestSupport.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar::test {
namespace {

namespace fs = std::filesystem;

struct Program {
    const char* name;
    const char* path;
};
const Program kPrograms[] = {{"ostra", VELMAR_OSTRA}, {"kettra", VELMAR_KETTRA}};

// Reads the program's lines until one holds `text`; that line, or empty when none came.
std::string awaitLine(ChildProcess& process, const std::string& text)
{
    for (std::string line = process.readLine(); !line.empty(); line = process.readLine())
        if (line.find(text) != std::string::npos)
            return line;
    return {};
}

// Gives the program half a second to get where it waits (a box, its window) unless it ends
// first: a signal that came before would test nothing.
void letItSettle(pid_t pid)
{
    for (int i = 0; i < 50 && processRunning(pid); ++i)
        ::usleep(10'000);
}

TEST(StartupFailure, ARefusedSessionDirectoryIsNamedWithItsReasonAndOneSignalEndsTheBox)
{
    const ScopedEnvironment offscreen(
        std::map<std::string, std::string>{{"QT_QPA_PLATFORM", "offscreen"}});
    for (const Program& program : kPrograms) {
        for (const int signal : {SIGTERM, SIGINT}) {
            SCOPED_TRACE(std::string(program.name) + (signal == SIGTERM ? " SIGTERM" : " SIGINT"));
            const ScopedSession session;
            fs::create_directories(session.sessionDir());
            ::chmod(session.sessionDir().c_str(), 0777);

            auto process = startWithErrors(program.path, {});
            const std::string line = awaitLine(*process, "is open to other users");
            EXPECT_EQ(
                line.rfind(std::string(program.name) + ": Error creating memory mapping: ", 0), 0U)
                << line;
            EXPECT_NE(line.find(session.sessionDir().string()), std::string::npos) << line;

            letItSettle(process->pid());
            ASSERT_TRUE(processRunning(process->pid())) << "the error box should be up";
            process->kill(signal);
            EXPECT_EQ(process->wait(10'000), 1) << "one signal ends the program";
        }
    }
}

// Started from a directory that was removed meanwhile: the program either runs or says why
// it cannot; it never aborts.
TEST(StartupFailure, AWorkingDirectoryThatWasRemovedEndsInAnOrderlyWay)
{
    const ScopedEnvironment offscreen(
        std::map<std::string, std::string>{{"QT_QPA_PLATFORM", "offscreen"}});
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        const ScopedSession session;
        const fs::path gone = session.root() / "gone";
        fs::create_directories(gone);
        const fs::path here = fs::current_path();
        fs::current_path(gone);
        fs::remove(gone);
        auto process = startWithErrors(program.path, {});
        fs::current_path(here);

        letItSettle(process->pid());
        process->kill(SIGTERM);
        const int exitCode = process->wait(10'000);
        EXPECT_TRUE(exitCode == 0 || exitCode == 1) << "exit code " << exitCode;
        // The host it may have started ends with the session.
        for (const platform::HWND window : platform::EnumWindows())
            ::kill(static_cast<pid_t>(platform::GetWindowThreadProcessId(window)), SIGTERM);
    }
}

} // namespace
} // namespace velmar::test
