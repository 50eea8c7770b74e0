#include "tests/install/ScratchInstall.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <signal.h>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace velmar::install::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using velmar::test::ChildProcess;

// Root may write any directory, so as root the programs run as this user, for whom the
// installed tree is read-only as it is for every user of an installed system.
constexpr uid_t kUnprivileged = 65534;

// Whether a file has been opened since the watch began.
class OpenWatch {
public:
    explicit OpenWatch(const fs::path& file)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0)
            ::inotify_add_watch(m_fd, file.c_str(), IN_OPEN);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    [[nodiscard]] bool Opened()
    {
        alignas(inotify_event) char events[4096];
        while (::read(m_fd, events, sizeof events) > 0)
            m_opened = true; // the watch reports opens only
        return m_opened;
    }

private:
    int m_fd;
    bool m_opened = false;
};

struct PlugIn {
    const char* name;
    const char* settingsFile;
    std::uintmax_t settingsSize;
};

void PrintTo(const PlugIn& plugIn, std::ostream* out)
{
    *out << plugIn.name;
}

// A plug-in started from the installed tree by a user who cannot write the program
// directory, with a session and a configuration directory of the test's own.
class InstalledPlugIn : public ::testing::TestWithParam<PlugIn> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.Installed()) << install.Log();
        fs::create_directories(userDir);
        fs::create_directories(home);
        m_oldHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
        ::setenv("HOME", home.c_str(), 1);
        // The program directory names another language than the user's directory does: only
        // the user's may count.
        std::ofstream(install.ProgramDir() / "Language.Ini") << "LANGUAGE=Japanese\r\n";
        std::ofstream(userDir / "Language.Ini") << "LANGUAGE=German\r\n";
        if (::geteuid() == 0) {
            fs::permissions(session.root(),
                            fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
            for (const fs::path& mine : {session.root() / "runtime", session.configDir(), home})
                for (const fs::path& path : tree(mine))
                    ASSERT_EQ(::chown(path.c_str(), kUnprivileged, kUnprivileged), 0) << path;
        } else {
            fs::permissions(install.ProgramDir(), fs::perms::owner_write, fs::perm_options::remove);
        }
    }

    void TearDown() override
    {
        ::setenv("HOME", m_oldHome.c_str(), 1);
        std::error_code ignored;
        fs::permissions(install.ProgramDir(), fs::perms::owner_write, fs::perm_options::add,
                        ignored);
    }

    static std::vector<fs::path> tree(const fs::path& top)
    {
        std::vector<fs::path> paths{top};
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(top))
            paths.push_back(entry.path());
        return paths;
    }

    // Starts the plug-in through its link on the path. Its error output, and with it the
    // status lines of the korvo it starts, come through the pipe.
    void Start()
    {
        const std::string program = (install.BinDir() / GetParam().name).string();
        const std::string asUser =
            ::geteuid() == 0
                ? "/usr/bin/setpriv --reuid=" + std::to_string(kUnprivileged) +
                      " --regid=" + std::to_string(kUnprivileged) + " --clear-groups -- "
                : "";
        m_plugIn = std::make_unique<ChildProcess>(
            "/bin/sh", std::vector<std::string>{"-c", "exec " + asUser + "\"$0\" 2>&1", program});
    }

    // Waits until korvo reports the plug-in signed in.
    bool AwaitSignIn()
    {
        const auto end = Clock::now() + std::chrono::seconds(30);
        while (Clock::now() < end)
            if (m_plugIn->readLine(1000).find("plug-in signed in") != std::string::npos)
                return true;
        return false;
    }

    // Ends the plug-in as the desktop does at logout; its exit code.
    int Terminate()
    {
        m_plugIn->kill(SIGTERM);
        return m_plugIn->wait(15000);
    }

    static bool AwaitGone(const fs::path& program)
    {
        const auto end = Clock::now() + std::chrono::seconds(10);
        while (!ProcessesRunning(program).empty()) {
            if (Clock::now() >= end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    velmar::test::ScopedSession session;
    ScratchInstall install{session.root() / "destdir"};
    fs::path userDir = session.configDir() / "velmar";
    fs::path home = session.root() / "home";
    std::unique_ptr<ChildProcess> m_plugIn;

private:
    std::string m_oldHome;
};

TEST_P(InstalledPlugIn, StartsTheInstalledKorvoAndKeepsItsSettingsInTheUsersDirectory)
{
    const PlugIn& plugIn = GetParam();
    Start();
    ASSERT_TRUE(AwaitSignIn());
    const fs::path korvo = install.ProgramDir() / "korvo";
    const std::vector<pid_t> hosts = ProcessesRunning(korvo);
    EXPECT_EQ(hosts.size(), 1U) << "started from beside the plug-in, once";
    const std::vector<pid_t> plugIns = ProcessesRunning(install.ProgramDir() / plugIn.name);
    EXPECT_EQ(plugIns, std::vector<pid_t>{m_plugIn->pid()}) << "the link resolves to the program";

    EXPECT_EQ(Terminate(), 0);
    std::error_code noFile;
    EXPECT_EQ(fs::file_size(userDir / plugIn.settingsFile, noFile), plugIn.settingsSize);
    EXPECT_FALSE(fs::exists(install.ProgramDir() / plugIn.settingsFile));

    for (const pid_t host : hosts)
        ::kill(host, SIGTERM);
    EXPECT_TRUE(AwaitGone(korvo)) << "korvo ends on a signal";
}

TEST_P(InstalledPlugIn, ReadsTheUsersLanguageAndLoadsItsModuleFromBesideItself)
{
    const fs::path module = install.ProgramDir() / "Korvo2^G.qm";
    if (!fs::exists(module))
        GTEST_SKIP() << "this build installs no German language module";
    OpenWatch watch(module);
    Start();
    ASSERT_TRUE(AwaitSignIn());
    EXPECT_TRUE(watch.Opened());
    EXPECT_EQ(Terminate(), 0);
}

INSTANTIATE_TEST_SUITE_P(Programs, InstalledPlugIn,
                         ::testing::Values(PlugIn{"ostra", "$OSTRA.cfg", 228},
                                           PlugIn{"kettra", "$Kettra.cfg", 40}),
                         [](const ::testing::TestParamInfo<PlugIn>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace velmar::install::test
