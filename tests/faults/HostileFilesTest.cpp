#include "runtime/platform/PlatformError.h"
#include "runtime/platform/Windows.h"
#include "runtime/platform/posix/SessionDirectory.h"
#include "tests/faults/FaultTestSupport.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar::test {
namespace {

namespace fs = std::filesystem;

// Someone else: the tests run as root and hand files to nobody.
constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;
constexpr std::size_t kMappingSize = 70024;

struct Outcome {
    std::string output; // every line, joined
    int exitCode = -1;
};

Outcome runToEnd(const std::string& program, const std::vector<std::string>& arguments)
{
    auto process = startWithErrors(program, arguments);
    Outcome outcome;
    for (std::string line = process->readLine(); !line.empty(); line = process->readLine())
        outcome.output += line + "\n";
    outcome.exitCode = process->wait();
    return outcome;
}

Outcome runKorvo()
{
    return runToEnd(VELMAR_KORVO, {"--quiet", "--no-synth"});
}

Outcome runPlugIn()
{
    return runToEnd(VELMAR_FAULT_PROBE, {});
}

// What an attacker would watch for: the bytes, owner, mode and time of change of a file,
// and what a directory holds.
struct Footprint {
    std::string bytes;
    uid_t owner = 0;
    mode_t mode = 0;
    std::int64_t changedNs = 0;
    std::vector<std::string> entries;
    friend bool operator==(const Footprint&, const Footprint&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Footprint& footprint)
    {
        return out << "owner " << footprint.owner << ", mode " << std::oct << footprint.mode
                   << std::dec << ", " << footprint.bytes.size() << " bytes, "
                   << footprint.entries.size() << " entries, changed at " << footprint.changedNs
                   << " ns";
    }
};

Footprint footprintOf(const fs::path& path)
{
    Footprint footprint;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return footprint;
    footprint.owner = info.st_uid;
    footprint.mode = info.st_mode;
    footprint.changedNs = info.st_ctim.tv_sec * 1'000'000'000LL + info.st_ctim.tv_nsec;
    if (S_ISREG(info.st_mode)) {
        std::ifstream in(path, std::ios::binary);
        footprint.bytes.assign(std::istreambuf_iterator<char>(in), {});
    } else if (S_ISDIR(info.st_mode)) {
        for (const auto& entry : fs::directory_iterator(path))
            footprint.entries.push_back(entry.path().filename().string());
    }
    return footprint;
}

// A block as a host would leave it, with events waiting: what a plug-in that joined it
// would read.
void writeBait(const fs::path& path, std::size_t size, mode_t mode)
{
    std::string bytes(size, '\x5A');
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    ::chmod(path.c_str(), mode);
}

// Holds the file the way a process that maps it does, so that it is joined, not restarted.
class Holder {
public:
    explicit Holder(const fs::path& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))
    {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_SH);
    }
    ~Holder()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

private:
    int m_fd;
};

struct HostileMapping {
    const char* what;
    std::function<void(const fs::path& mapping, const fs::path& elsewhere)> plant;
    bool held;
    const char* reason; // part of the detail the refusal gives
};

// A planted "KorvoExeInfo.map" is refused by the host and by a plug-in alike, with the
// layer's error, and nothing of it is read or written.
TEST(HostileFiles, AMappingFileThatIsNotAPrivateBlockIsRefused)
{
    const std::vector<HostileMapping> cases{
        {"too short", [](const fs::path& m, const fs::path&) { writeBait(m, 100, 0600); }, true,
         "shorter than the 70024 bytes needed"},
        {"owned by another user",
         [](const fs::path& m, const fs::path&) {
             writeBait(m, kMappingSize, 0600);
             ASSERT_EQ(::chown(m.c_str(), kOtherUser, kOtherGroup), 0);
         },
         false, "not a private file of this user"},
        {"owned by another user and held",
         [](const fs::path& m, const fs::path&) {
             writeBait(m, kMappingSize, 0600);
             ASSERT_EQ(::chown(m.c_str(), kOtherUser, kOtherGroup), 0);
         },
         true, "not a private file of this user"},
        {"open to others and held",
         [](const fs::path& m, const fs::path&) { writeBait(m, kMappingSize, 0666); }, true,
         "not a private file of this user"},
        {"a symbolic link to another user's block",
         [](const fs::path& m, const fs::path& elsewhere) {
             writeBait(elsewhere, kMappingSize, 0600);
             ASSERT_EQ(::chown(elsewhere.c_str(), kOtherUser, kOtherGroup), 0);
             fs::create_symlink(elsewhere, m);
         },
         false, "Cannot open mapping"},
        {"a pipe of another user",
         [](const fs::path& m, const fs::path&) {
             ASSERT_EQ(::mkfifo(m.c_str(), 0600), 0);
             ASSERT_EQ(::chown(m.c_str(), kOtherUser, kOtherGroup), 0);
         },
         false, "not a private file of this user"},
    };
    for (const HostileMapping& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        const ScopedSession session;
        const fs::path mapping = platform::sessionDirectory() / "KorvoExeInfo.map";
        const fs::path elsewhere = session.root() / "victim.map";
        hostile.plant(mapping, elsewhere);
        const Footprint planted = footprintOf(mapping);
        const Footprint target = footprintOf(elsewhere);
        const Footprint directory = footprintOf(session.sessionDir());
        const auto holder = hostile.held ? std::make_unique<Holder>(mapping) : nullptr;

        for (const auto& run : {runKorvo, runPlugIn}) {
            const Outcome outcome = run();
            EXPECT_EQ(outcome.exitCode, 1) << outcome.output;
            EXPECT_NE(outcome.output.find("Error creating memory mapping"), std::string::npos)
                << outcome.output;
            EXPECT_NE(outcome.output.find(hostile.reason), std::string::npos) << outcome.output;
            EXPECT_EQ(footprintOf(mapping), planted) << "the planted file was changed";
            EXPECT_EQ(footprintOf(elsewhere), target) << "the link's target was changed";
            EXPECT_EQ(footprintOf(session.sessionDir()), directory);
        }
    }
}

struct HostileDirectory {
    const char* what;
    std::function<void(const fs::path& dir, const fs::path& elsewhere)> plant;
    const char* reason;
};

// A session directory that is not the user's own private one: the host and the plug-in
// refuse to start, nothing is created in it or where it points, and the window calls find
// no window and send nothing.
TEST(HostileFiles, ASessionDirectoryThatIsNotPrivateIsRefused)
{
    const std::vector<HostileDirectory> cases{
        {"owned by another user",
         [](const fs::path& dir, const fs::path&) {
             fs::create_directory(dir);
             ::chmod(dir.c_str(), 0700);
             ASSERT_EQ(::chown(dir.c_str(), kOtherUser, kOtherGroup), 0);
         },
         "belongs to another user"},
        {"open to group and others",
         [](const fs::path& dir, const fs::path&) {
             fs::create_directory(dir);
             ::chmod(dir.c_str(), 0777);
         },
         "is open to other users"},
        {"a symbolic link to another user's directory",
         [](const fs::path& dir, const fs::path& elsewhere) {
             fs::create_directory(elsewhere);
             ::chmod(elsewhere.c_str(), 0700);
             ASSERT_EQ(::chown(elsewhere.c_str(), kOtherUser, kOtherGroup), 0);
             fs::create_directory_symlink(elsewhere, dir);
         },
         "is not a directory"},
    };
    for (const HostileDirectory& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        const ScopedSession session;
        const fs::path elsewhere = session.root() / "attacker";
        hostile.plant(session.sessionDir(), elsewhere);
        const Footprint directory = footprintOf(session.sessionDir());
        const Footprint target = footprintOf(elsewhere);

        for (const auto& run : {runKorvo, runPlugIn}) {
            const Outcome outcome = run();
            EXPECT_EQ(outcome.exitCode, 1) << outcome.output;
            EXPECT_NE(outcome.output.find(hostile.reason), std::string::npos) << outcome.output;
        }
        EXPECT_THROW((void)platform::sessionDirectory(), platform::PlatformError);
        EXPECT_THROW((void)platform::WindowEndpoint::create(
                         [](platform::UINT, platform::WPARAM, platform::LPARAM) { return 0; }),
                     platform::PlatformError);
        EXPECT_TRUE(platform::EnumWindows().empty());
        EXPECT_EQ(platform::SendMessageA(0x00000101, 1283, 0, 0), 0);
        EXPECT_FALSE(platform::PostMessageA(0x00000101, 1283, 0, 0));
        EXPECT_EQ(footprintOf(session.sessionDir()), directory) << "something was made in it";
        EXPECT_EQ(footprintOf(elsewhere), target) << "something was made where it points";
    }
}

} // namespace
} // namespace velmar::test
