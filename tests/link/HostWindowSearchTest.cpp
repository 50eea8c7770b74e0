#include "runtime/link/HostWindowSearch.h"

#include "tests/link/FakeHostProtocol.h"
#include "tests/link/LinkTestSupport.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmar {
namespace {

using test::FakeHost;
namespace fakehost = test::fakehost;

TEST(HostWindowSearch, TakesTheVersionApart)
{
    const struct {
        platform::OsVersionInfo version;
        bool nt;
        double winVersion;
    } cases[] = {
        {{2, 5, 1}, true, 5.01},
        {{2, 4, 0}, true, 4.0},
        {{1, 4, 10}, false, 4.1},
        {{2, 0x105, 0x202}, true, 5.02},
    };
    for (const auto& c : cases) {
        const HostWindowSearch search(c.version);
        EXPECT_EQ(search.IsWinNT(), c.nt);
        EXPECT_DOUBLE_EQ(search.WinVersion(), c.winVersion);
    }
    EXPECT_DOUBLE_EQ(HostWindowSearch().WinVersion(), 5.01); // the module-list path here
}

class HostWindowSearchSession : public ::testing::Test {
protected:
    ~HostWindowSearchSession() override { test::quitOtherWindows(); }

    // The test host under another program name, in the session's own directory.
    std::string copyOfFakeHost(const std::string& name)
    {
        const auto copy = session.root() / name;
        std::filesystem::copy_file(VELMAR_FAKE_HOST, copy);
        return copy.string();
    }

    test::ScopedSession session;
};

TEST_F(HostWindowSearchSession, FindsTheHostByItsNameInAnyCaseAndDirectory)
{
    const FakeHost host({}, copyOfFakeHost("HOST.EXE"));
    const FakeHost other({});
    HostWindowSearch search;
    EXPECT_EQ(search.FindHostWindow("C:\\Apps\\Host.Exe"), host.hwnd);
    EXPECT_EQ(search.HostExeBaseName(), "HOST");
    EXPECT_TRUE(search.HostProcessFound());
    EXPECT_EQ(search.HostProcessId(), static_cast<std::uint32_t>(host.process.pid()));
    EXPECT_EQ(host.ask(fakehost::kIdentifyCount), 1);
    EXPECT_EQ(other.ask(fakehost::kIdentifyCount), 0) << "only windows of that name are asked";

    search.ResetHostProcessFound();
    EXPECT_EQ(search.FindHostWindow("NOBODY.EXE"), 0U);
    EXPECT_FALSE(search.HostProcessFound());
}

TEST_F(HostWindowSearchSession, AMappedFileOfTheNameCountsExceptOnOldVersions)
{
    const FakeHost host({"--map", (session.root() / "SOMEHOST.DAT").string()});
    HostWindowSearch current;
    EXPECT_EQ(current.FindHostWindow("SOMEHOST.EXE"), host.hwnd);

    HostWindowSearch nt4({2, 4, 0});
    EXPECT_EQ(nt4.FindHostWindow("SOMEHOST.EXE"), 0U);
    EXPECT_FALSE(nt4.HostProcessFound());
    EXPECT_EQ(nt4.FindHostWindow("/elsewhere/FakeHost"), host.hwnd);
}

TEST_F(HostWindowSearchSession, AProcessOfTheNameThatDoesNotIdentifyIsFoundButNotTaken)
{
    const FakeHost mute({"--identify-reply", "258"});
    HostWindowSearch search;
    EXPECT_EQ(search.FindHostWindow("FAKEHOST.EXE"), 0U);
    EXPECT_TRUE(search.HostProcessFound());
    EXPECT_EQ(mute.ask(fakehost::kIdentifyCount), 1);
}

} // namespace
} // namespace velmar
