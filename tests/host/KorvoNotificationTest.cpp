#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

namespace velmar::host {
namespace {

using Clock = std::chrono::steady_clock;
using velmar::test::ChildProcess;

struct Notice {
    QString summary;
    QString body;
};

// The desktop's notification service, as korvo finds it on the session bus: it keeps what
// it is asked to show.
class StandInNotifications : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() != QStringLiteral("Notify") || message.arguments().size() < 8)
            return false;
        notices.push_back({message.arguments()[3].toString(), message.arguments()[4].toString()});
        connection.send(
            message.createReply(QVariant::fromValue(static_cast<uint>(notices.size()))));
        return true;
    }
    std::vector<Notice> notices;
};

// A session bus of the test's own (dbus-daemon), with the stand-in service on it.
class KorvoNotifications : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists("/usr/bin/dbus-daemon"))
            GTEST_SKIP() << "dbus-daemon is not installed: no session bus to test against";
        if (QCoreApplication::instance() == nullptr)
            new QCoreApplication(argc, argv); // lives to the end of the process, as Qt wants
        bus = std::make_unique<ChildProcess>(
            "/usr/bin/dbus-daemon",
            std::vector<std::string>{"--session", "--nofork", "--print-address=1",
                                     "--address=unix:path=" + (session.root() / "bus").string()});
        address = bus->readLine();
        ASSERT_FALSE(address.empty()) << "dbus-daemon did not start";
        connection.emplace(QDBusConnection::connectToBus(QString::fromStdString(address),
                                                         QStringLiteral("stand-in")));
        ASSERT_TRUE(connection->isConnected());
        ASSERT_TRUE(connection->registerService(QStringLiteral("org.freedesktop.Notifications")));
        ASSERT_TRUE(connection->registerVirtualObject(
            QStringLiteral("/org/freedesktop/Notifications"), &service));
        ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
    }
    void TearDown() override
    {
        if (korvo) {
            korvo->kill(SIGTERM);
            korvo->wait();
        }
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        if (connection)
            QDBusConnection::disconnectFromBus(QStringLiteral("stand-in"));
    }

    platform::HWND startKorvo(const std::vector<std::string>& arguments)
    {
        korvo = std::make_unique<ChildProcess>(VELMAR_KORVO, arguments);
        for (const auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
            for (const platform::HWND hwnd : platform::EnumWindows())
                if (platform::GetWindowThreadProcessId(hwnd) ==
                    static_cast<std::uint32_t>(korvo->pid()))
                    return hwnd;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return 0;
    }

    // Serves the bus until a notice whose summary holds `part` came (within 10 s).
    std::optional<Notice> await(const QString& part)
    {
        for (const auto end = Clock::now() + std::chrono::seconds(10); Clock::now() < end;) {
            QCoreApplication::processEvents();
            for (const Notice& notice : service.notices)
                if (notice.summary.contains(part))
                    return notice;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return std::nullopt;
    }

    // Records one note and stops: korvo writes the take (or fails to).
    void recordATake(platform::HWND host)
    {
        platform::SendMessageA(host, HostCmdRecord, 0, 0);
        platform::SendMessageA(host, HostCmdRecordEvent, 0,
                               PackedMidiMessage::pack(0x90, 60, 100).value());
        platform::SendMessageA(host, HostCmdStop, 0, 0);
    }

    static inline int argc = 1;
    static inline char name[] = "korvo_notification_tests";
    static inline char* argv[] = {name, nullptr};
    velmar::test::ScopedSession session;
    std::unique_ptr<platform::WindowEndpoint> window = platform::WindowEndpoint::create(
        [](platform::UINT, platform::WPARAM, platform::LPARAM) { return platform::LRESULT{1}; });
    std::unique_ptr<ChildProcess> bus;
    std::string address;
    std::optional<QDBusConnection> connection;
    StandInNotifications service;
    std::unique_ptr<ChildProcess> korvo;
};

TEST_F(KorvoNotifications, AWrittenTakeAndALostOneAreAnnouncedWithThePath)
{
    const auto takes = session.root() / "takes";
    std::filesystem::create_directories(takes);
    const std::string path = (takes / "take.mid").string();
    const platform::HWND host = startKorvo(
        {"--quiet", "--no-tray", "--no-synth", "--midi-api", "jack", "--record-to", path});
    ASSERT_NE(host, 0U);
    const auto map =
        SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
    ASSERT_EQ(platform::SendMessageA(host, HostCmdSignIn, 0, map->Handle()), HostSignInAccepted);

    recordATake(host);
    const std::optional<Notice> written = await(QStringLiteral("take written"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->body.toStdString(), path);
    EXPECT_TRUE(std::filesystem::exists(path));

    std::filesystem::remove_all(takes); // the folder went while korvo ran
    recordATake(host);
    const std::optional<Notice> lost = await(QStringLiteral("not written"));
    ASSERT_TRUE(lost);
    EXPECT_TRUE(lost->body.contains(QString::fromStdString(path))) << lost->body.toStdString();

    const std::optional<Notice> noMidi = await(QStringLiteral("no MIDI system"));
    ASSERT_TRUE(noMidi) << "no JACK server runs here";
}

} // namespace
} // namespace velmar::host
