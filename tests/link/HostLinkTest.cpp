#include "runtime/link/HostLink.h"

#include "runtime/HostMessages.h"
#include "runtime/link/LinkIni.h"
#include "runtime/link/LinkMessages.h"
#include "tests/link/FakeHostProtocol.h"
#include "tests/link/LinkTestSupport.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>

namespace velmar {
namespace {

using namespace std::chrono_literals;
using namespace test::fakehost;
using test::FakeHost;
using Question = test::ScriptedPrompts::Question;
using Launches = std::vector<std::string>;

class HostLinkTest : public ::testing::Test {
protected:
    ~HostLinkTest() override { test::quitOtherWindows(); }

    // Fake time: each pass of a wait runs onPump, then moves the clock on by up to 250 ms.
    // Launches are recorded and then made by `launch`, by default the real one.
    LinkContext context()
    {
        LinkContext context = LinkContext::standard();
        context.clock = [this] {
            return now;
        };
        context.pump = [this](std::uint32_t maxWaitMs) {
            if (onPump)
                onPump();
            now += std::min(maxWaitMs, 250U);
        };
        context.launch = [this, real = context.launch](std::string_view path) {
            launches.emplace_back(path);
            return launch ? launch(path) : real(path);
        };
        context.linkIniPath = [this] {
            return linkIni();
        };
        return context;
    }
    [[nodiscard]] std::string linkIni() const
    {
        return (session.root() / "VELMARLINK.INI").string();
    }

    test::ScopedSession session;
    // The plug-in's main window, there before linking as in the programs.
    std::unique_ptr<platform::WindowEndpoint> plugInWindow = platform::WindowEndpoint::create(
        [](platform::UINT, platform::WPARAM, platform::LPARAM) -> platform::LRESULT { return 0; });
    test::ScriptedPrompts prompts;
    std::uint32_t now = 0;
    std::function<void()> onPump;
    std::function<int(std::string_view)> launch;
    Launches launches;
};

TEST_F(HostLinkTest, RunningHostIsSignedInOnceWithoutLaunchOrWaitAndSignedOffAtTheEnd)
{
    const FakeHost host({});
    {
        HostLink link(prompts, context());
        link.SetExeName(QStringLiteral("FAKEHOST.EXE"));
        link.Loaded();
        EXPECT_EQ(link.MainWinHandle(), host.hwnd);
        EXPECT_EQ(link.MainWinHandle(), host.hwnd);
        EXPECT_EQ(host.ask(kIdentifyCount), 1) << "the second read sends nothing";
        EXPECT_EQ(host.ask(kSignInCount), 1);
        EXPECT_EQ(host.ask(kLastSignInParam), link.Map().Handle());
        EXPECT_EQ(launches, Launches{});
        EXPECT_EQ(now, 0U);

        link.SignOff();
        EXPECT_EQ(host.ask(kSignOffCount), 1);
        EXPECT_EQ(link.MainWinHandle(), host.hwnd) << "links anew";
        EXPECT_EQ(host.ask(kSignInCount), 2);
    }
    EXPECT_EQ(host.ask(kSignOffCount), 2);
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(linkIni())) << "a link made writes no record";
}

TEST_F(HostLinkTest, HostThatIsNotRunningIsStartedAndSearchedAndSignedInOnlyAfterTheWaits)
{
    HostLink link(prompts, context());
    link.SetExeName(QStringLiteral("FAKEHOST.EXE"));
    struct Pass {
        std::uint32_t at;
        platform::LRESULT identifies;
        platform::LRESULT signIns;
    };
    std::vector<Pass> passes;
    platform::HWND started = 0;
    onPump = [&] {
        EXPECT_EQ(link.MainWinHandle(), 0U) << "a handler run by the wait starts no second link";
        if (started == 0)
            started = test::awaitWindowOfProgram("fakehost");
        passes.push_back({now, platform::SendMessageA(started, kIdentifyCount, 0, 0),
                          platform::SendMessageA(started, kSignInCount, 0, 0)});
    };
    EXPECT_EQ(link.MainWinHandle(), started);
    ASSERT_NE(started, 0U);
    EXPECT_EQ(launches, Launches{"FAKEHOST.EXE"});
    EXPECT_EQ(now, 4500U);
    for (const Pass& pass : passes) {
        EXPECT_EQ(pass.identifies, pass.at < 3000 ? 0 : 1) << "at " << pass.at;
        EXPECT_EQ(pass.signIns, 0) << "at " << pass.at;
    }
    EXPECT_EQ(platform::SendMessageA(started, kSignInCount, 0, 0), 1);
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(HostLinkTest, RealWaitsBeforeSigningInToAStartedHost)
{
    LinkContext real = LinkContext::standard();
    real.linkIniPath = [this] {
        return linkIni();
    };
    HostLink link(prompts, std::move(real));
    link.SetExeName(QStringLiteral("FAKEHOST.EXE"));
    const auto start = std::chrono::steady_clock::now();
    const platform::HWND window = link.MainWinHandle();
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_NE(window, 0U);
    EXPECT_EQ(test::windowsOfProgram("fakehost"), std::vector<platform::HWND>{window});
    EXPECT_GE(waited, 4500ms);
    EXPECT_LT(waited, 8000ms);
}

TEST_F(HostLinkTest, RefusedSignInIsReportedCutTo700AndLeavesNoLink)
{
    const FakeHost host({"--sign-in-reply", "2"});
    const QString name =
        QStringLiteral("/opt/") + QString(300, u'v') + QStringLiteral("/FakeHost.exe");
    {
        HostLink link(prompts, context());
        link.SetExeName(name);
        EXPECT_EQ(link.MainWinHandle(), 0U);
        ASSERT_EQ(prompts.errors.size(), 1U);
        EXPECT_EQ(prompts.errors[0], SignInFailedText(name));
        EXPECT_EQ(prompts.errors[0].size(), 700);
        EXPECT_TRUE(prompts.questions.empty());
    }
    EXPECT_EQ(host.ask(kSignInCount), 1);
    EXPECT_EQ(host.ask(kSignOffCount), 0) << "nothing to sign off";
}

TEST_F(HostLinkTest, ProcessOfTheNameThatDoesNotIdentifyIsReportedWithoutLaunch)
{
    const FakeHost mute({"--identify-reply", "0"});
    HostLink link(prompts, context());
    link.SetExeName(QStringLiteral("FAKEHOST.EXE"));
    EXPECT_EQ(link.MainWinHandle(), 0U);
    const QString name = QStringLiteral("FAKEHOST.EXE");
    EXPECT_EQ(prompts.errors, std::vector<QString>{NotLinkableText(name)});
    EXPECT_EQ(prompts.questions, std::vector<Question>({{name, HostProgramReason::LinkError}}));
    EXPECT_EQ(launches, Launches{});
    EXPECT_EQ(mute.ask(kSignInCount), 0);
}

TEST_F(HostLinkTest, FailedStartsAskTheUserAndOnlyTheExactDefaultNameTriesTheDefaultDirectory)
{
    const QString ghost = QStringLiteral("GHOST.EXE");
    const struct {
        QString name;
        int launchResult;
        Launches launches;
        std::vector<QString> errors;
        Question question;
    } cases[] = {
        {QStringLiteral("KORVO.EXE"),
         2,
         {"KORVO.EXE", "C:\\Korvo\\KORVO.EXE"},
         {},
         {QStringLiteral("KORVO.EXE"), HostProgramReason::NotFound}},
        {QString(),
         2,
         {"KORVO.EXE", "C:\\Korvo\\KORVO.EXE"},
         {},
         {QStringLiteral("KORVO.EXE"), HostProgramReason::NotFound}},
        {QStringLiteral("korvo.exe"),
         2,
         {"korvo.exe"},
         {},
         {QStringLiteral("korvo.exe"), HostProgramReason::NotFound}},
        // Started, but no process of that name shows up.
        {ghost,
         33,
         {"GHOST.EXE"},
         {WindowNotFoundText(ghost)},
         {ghost, HostProgramReason::LinkError}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        launches.clear();
        prompts = {};
        now = 0;
        launch = [&](std::string_view) {
            return c.launchResult;
        };
        HostLink link(prompts, context());
        link.SetExeName(c.name);
        EXPECT_EQ(link.MainWinHandle(), 0U);
        EXPECT_EQ(launches, c.launches);
        EXPECT_EQ(now, 3000U) << "the first start is waited for, a failed second one is not";
        EXPECT_EQ(prompts.errors, c.errors);
        EXPECT_EQ(prompts.questions, std::vector<Question>{c.question});
        EXPECT_FALSE(std::filesystem::exists(linkIni())) << "a cancelled dialog writes nothing";
    }
}

TEST_F(HostLinkTest, HostStartedFromTheDefaultDirectoryIsGivenTimeToComeUp)
{
    const auto installed = session.root() / "KORVO.EXE";
    std::filesystem::copy_file(VELMAR_FAKE_HOST, installed);
    launch = [&](std::string_view path) {
        return path == "C:\\Korvo\\KORVO.EXE" ? platform::WinExec(installed.string(), 1) : 2;
    };
    onPump = [&] {
        if (now >= 3000)
            (void)test::awaitWindowOfProgram("KORVO.EXE");
    };
    HostLink link(prompts, context());
    link.Loaded();
    const platform::HWND window = link.MainWinHandle();
    EXPECT_NE(window, 0U);
    EXPECT_EQ(test::windowsOfProgram("KORVO.EXE"), std::vector<platform::HWND>{window});
    EXPECT_EQ(now, 7500U);
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(HostLinkTest, NameChosenInTheDialogIsLinkedRecordedAndUsedNextTime)
{
    const FakeHost host({});
    const QString chosen = QStringLiteral("FAKEHOST.EXE");
    prompts.answers = {chosen};
    {
        HostLink link(prompts, context());
        link.SetExeName(QStringLiteral("NOHOST.EXE"));
        EXPECT_EQ(link.MainWinHandle(), host.hwnd);
        const Question asked{QStringLiteral("NOHOST.EXE"), HostProgramReason::NotFound};
        EXPECT_EQ(prompts.questions, std::vector<Question>{asked});
        EXPECT_EQ(launches, Launches{"NOHOST.EXE"});
    }
    EXPECT_EQ(ReadLinkIni(linkIni()), chosen);

    HostLink next(prompts, context());
    next.Loaded();
    EXPECT_EQ(next.MainWinHandle(), host.hwnd);
    EXPECT_EQ(next.GetExeName(), chosen);
    EXPECT_EQ(prompts.questions.size(), 1U);
    EXPECT_EQ(host.ask(kSignInCount), 2);
}

TEST_F(HostLinkTest, HostThatDiesAnswersZeroAndSigningOffDoesNotHang)
{
    FakeHost host({});
    auto link = std::make_unique<HostLink>(prompts, context());
    link->SetExeName(QStringLiteral("FAKEHOST.EXE"));
    ASSERT_EQ(link->MainWinHandle(), host.hwnd);
    host.process.kill(SIGKILL);
    ASSERT_EQ(host.process.wait(), -1);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(platform::SendMessageA(link->MainWinHandle(), HostQueryRunning, 0, 0), 0);
    link.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
}

} // namespace
} // namespace velmar
