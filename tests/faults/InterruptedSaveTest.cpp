#include "runtime/platform/Files.h"
#include "tests/faults/FaultTestSupport.h"
#include "tests/faults/SaveVersions.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace velmar::test {
namespace {

using Clock = std::chrono::steady_clock;

std::string fileNameFor(SaveKind kind)
{
    switch (kind) {
    case SaveKind::Ostra:
        return "$OSTRA.cfg";
    case SaveKind::Kettra:
        return "$Kettra.cfg";
    case SaveKind::Text:
        break;
    }
    return "events.txt";
}

std::vector<std::string> linesOf(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A saving process's last words: every line it printed.
std::vector<std::string> allLines(ChildProcess& process)
{
    std::vector<std::string> lines;
    for (std::string line = process.readLine(2000); !line.empty(); line = process.readLine(2000))
        lines.push_back(line);
    return lines;
}

class InterruptedSave : public ::testing::TestWithParam<SaveKind> {
protected:
    InterruptedSave() { std::filesystem::create_directories(m_dir); }

    [[nodiscard]] std::string path() const { return (m_dir / fileNameFor(GetParam())).string(); }

    // Everything in the save's directory but the file itself: temporaries left behind.
    [[nodiscard]] std::vector<std::string> strays() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            if (entry.path().filename() != fileNameFor(GetParam()))
                names.push_back(entry.path().filename().string());
        return names;
    }

    [[nodiscard]] std::optional<std::string> onDisk() const
    {
        return platform::readFile(path(), 1 << 20);
    }

    // The saving program, run with the fault injector preloaded.
    [[nodiscard]] std::unique_ptr<ChildProcess> saver(const std::string& fault,
                                                      const std::vector<std::string>& options)
    {
        std::filesystem::remove(m_log);
        const char* asan = std::getenv("ASAN_OPTIONS");
        // The injector comes before the sanitizer's runtime; that is fine for what it does.
        const ScopedEnvironment environment(
            {{"LD_PRELOAD", VELMAR_FAULT_INJECT},
             {"VELMAR_FAULT_DIR", m_dir.string()},
             {"VELMAR_FAULT", fault},
             {"VELMAR_FAULT_LOG", m_log.string()},
             {"ASAN_OPTIONS",
              std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0"}});
        std::vector<std::string> arguments{SaveKindName(GetParam()), path()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return std::make_unique<ChildProcess>(VELMAR_FAULT_SAVER, arguments);
    }

    const ScopedSession m_session;
    const std::filesystem::path m_dir = m_session.root() / "save";
    const std::filesystem::path m_log = m_session.root() / "calls.log";
};

// Each save is one whole-file replace: written to a temporary beside the file, flushed,
// renamed over the file, and the directory flushed.
TEST_P(InterruptedSave, EachSaveReplacesTheWholeFile)
{
    auto process = saver("", {"1"});
    EXPECT_EQ(process->readLine(), "saved");
    EXPECT_EQ(process->wait(), 0);
    EXPECT_EQ(onDisk(), VersionBytes(GetParam(), 1));

    const std::vector<std::string> calls = linesOf(m_log);
    ASSERT_GE(calls.size(), 4U);
    const std::string temporary = calls.front().substr(6, calls.front().rfind(' ') - 6);
    EXPECT_EQ(calls.front().rfind("write " + path() + ".", 0), 0U) << calls.front();
    const std::vector<std::string> ending(calls.end() - 3, calls.end());
    EXPECT_EQ(ending,
              (std::vector<std::string>{"fsync " + temporary, "rename " + temporary + " " + path(),
                                        "fsync " + m_dir.string()}));
    EXPECT_TRUE(strays().empty());
}

struct Fault {
    const char* what;
    const char* spec; // VELMAR_FAULT
    bool saved;       // whether the save still succeeds
};

// A fault at each step of a save: the file is the whole old one, or the whole new one when
// the step that failed could be made good; a failure is told as the program tells it.
TEST_P(InterruptedSave, AFaultAtAnyStepLeavesTheOldFileOrTheNew)
{
    const std::vector<Fault> faults{
        {"a failed write", "write:1:EIO", false},
        {"a disk that is full", "write:1:ENOSPC", false},
        {"a short write", "write:1:short", true},
        {"a write that writes nothing", "write:1:zero", false},
        {"a failed fsync of the file", "fsync:1:EIO", false},
        {"a failed rename", "rename:1:EXDEV", false},
        {"a failed fsync of the directory", "fsync:2:EIO", true},
        {"a file size limit", "", false},
    };
    std::uint64_t version = 1;
    ASSERT_TRUE(SaveVersion(GetParam(), path(), version).saved);
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        const std::string next = std::to_string(version + 1);
        const bool sizeLimit = *fault.spec == '\0';
        auto process =
            sizeLimit ? saver("", {next, "--file-size-limit", "16"}) : saver(fault.spec, {next});
        const std::string said = process->readLine();
        const int exitCode = process->wait();
        if (!sizeLimit) {
            const std::string call =
                std::string(fault.spec).substr(0, std::string(fault.spec).find(':'));
            const std::vector<std::string> calls = linesOf(m_log);
            EXPECT_NE(std::find(calls.begin(), calls.end(), "fault " + call), calls.end())
                << "the fault was injected";
        }

        if (fault.saved) {
            EXPECT_EQ(said, "saved");
            EXPECT_EQ(exitCode, 0);
            ++version;
        } else {
            EXPECT_EQ(said.rfind("failed", 0), 0U) << said;
            EXPECT_EQ(exitCode, 3);
            if (GetParam() == SaveKind::Text) {
                EXPECT_NE(said.find("could not be saved to \"" + path() + "\""), std::string::npos)
                    << said;
                EXPECT_NE(said.find("earlier file of that name is unchanged"), std::string::npos);
            } else {
                EXPECT_EQ(said, "failed") << "the programs lose their settings silently";
            }
        }
        EXPECT_EQ(onDisk(), VersionBytes(GetParam(), version));
        EXPECT_EQ(LoadSaved(GetParam(), path()), VersionBytes(GetParam(), version));
        EXPECT_TRUE(strays().empty()) << strays().front();
    }
}

// The saving process killed at a random moment, a thousand times: the file is always one
// whole version, the one before the save or one the process finished.
TEST_P(InterruptedSave, ASaveKilledAtRandomLeavesAWholeVersion)
{
    const int kills = repetitions(1000) / 3 + 1;
    std::uint64_t onDiskVersion = 1;
    ASSERT_TRUE(SaveVersion(GetParam(), path(), onDiskVersion).saved);
    int keptOld = 0;
    int mixed = 0;
    const auto start = Clock::now();
    for (int kill = 0; kill < kills; ++kill) {
        auto process = saver("", {std::to_string(onDiskVersion + 1), "--loop"});
        ASSERT_EQ(process->readLine().rfind("saving ", 0), 0U);
        sleepRandomly(4000);
        process->kill(SIGKILL);
        (void)process->wait();
        std::uint64_t lastStarted = onDiskVersion + 1;
        for (const std::string& line : allLines(*process))
            lastStarted = std::stoull(line.substr(7));

        const std::optional<std::string> bytes = onDisk();
        ASSERT_TRUE(bytes.has_value());
        std::optional<std::uint64_t> found;
        for (std::uint64_t version = onDiskVersion; version <= lastStarted && !found; ++version)
            if (*bytes == VersionBytes(GetParam(), version))
                found = version;
        if (!found) {
            ++mixed;
            ADD_FAILURE() << "kill " << kill << ": the file is no whole version (" << bytes->size()
                          << " bytes)";
            break;
        }
        keptOld += *found == onDiskVersion ? 1 : 0;
        onDiskVersion = *found;
        ASSERT_EQ(LoadSaved(GetParam(), path()), bytes) << "a leftover confused the load";
    }
    const auto seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const std::size_t leftovers = strays().size();
    // The programs save afresh over whatever the killed saves left.
    ASSERT_TRUE(SaveVersion(GetParam(), path(), onDiskVersion + 1).saved);
    EXPECT_EQ(LoadSaved(GetParam(), path()), VersionBytes(GetParam(), onDiskVersion + 1));
    std::printf("[ figures  ] %s: killed %d times mid-save in %.1f s; the file kept the old "
                "version %d times and held a new whole version %d times; %d mixed or empty "
                "(bytes lost: 0); %zu temporaries left behind\n",
                SaveKindName(GetParam()), kills, seconds, keptOld, kills - keptOld, mixed,
                leftovers);
}

INSTANTIATE_TEST_SUITE_P(Saves, InterruptedSave,
                         ::testing::Values(SaveKind::Ostra, SaveKind::Kettra, SaveKind::Text),
                         [](const auto& test) { return std::string(SaveKindName(test.param)); });

} // namespace
} // namespace velmar::test
