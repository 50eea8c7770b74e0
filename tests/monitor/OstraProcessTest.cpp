#include "host/DemoSong.h"
#include "runtime/HostMessages.h"
#include "runtime/platform/Processes.h"
#include "tests/monitor/OstraInstall.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <thread>

namespace velmar::monitor::test {
namespace {

using velmar::test::ChildProcess;

// One grid row as the program reports it: eight cells.
using Row = std::vector<std::string>;

std::vector<Row> readGrid(const std::filesystem::path& file)
{
    std::vector<Row> rows;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        Row cells;
        std::stringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');)
            cells.push_back(cell);
        cells.resize(8);
        rows.push_back(cells);
    }
    return rows;
}

// The raw bytes a channel or system message shows, in hexadecimal.
std::string rawBytes(PackedMidiMessage message)
{
    const std::uint8_t status = message.status();
    const int kind = status & 0xF0;
    const int count = status >= 0xF6                                                       ? 1
                      : (kind == 0xC0 || kind == 0xD0 || status == 0xF1 || status == 0xF3) ? 2
                                                                                           : 3;
    const std::uint8_t bytes[] = {status, message.data1(), message.data2()};
    std::string text;
    char hex[4];
    for (int i = 0; i < count; ++i) {
        std::snprintf(hex, sizeof hex, "%02X ", bytes[i]);
        text += hex;
    }
    return text;
}

// The bytes of a dump as its rows list them: "$7E 7F 09 01 " and the like.
void collectDump(const std::string& cell, std::vector<std::uint8_t>& bytes)
{
    if (cell.empty())
        return;
    std::stringstream hex(cell.substr(1));
    for (unsigned value = 0; hex >> std::hex >> value;)
        bytes.push_back(static_cast<std::uint8_t>(value));
}

// Reads lines until one holds `text`; that line, or empty when none came.
std::string awaitLine(ChildProcess& process, const std::string& text)
{
    for (std::string line = process.readLine(); !line.empty(); line = process.readLine())
        if (line.find(text) != std::string::npos)
            return line;
    return {};
}

// ostra as installed, run as a user would (but on the offscreen platform), reporting what
// it shows to the test.
class OstraProcess : public ::testing::Test {
protected:
    OstraProcess()
    {
        std::filesystem::create_directories(report);
        ::setenv("VELMAR_OSTRA_REPORT", report.c_str(), 1);
    }
    ~OstraProcess() override { ::unsetenv("VELMAR_OSTRA_REPORT"); }

    // The host window ostra linked to, from its first line.
    static platform::HWND linkedHost(ChildProcess& ostra)
    {
        const std::string line = ostra.readLine(20000);
        EXPECT_EQ(line.rfind("linked ", 0), 0U) << line;
        return line.size() > 7
                   ? static_cast<platform::HWND>(std::stoul(line.substr(7), nullptr, 16))
                   : 0;
    }

    velmar::test::ScopedSession session;
    OstraInstall install{session.root() / "installed"};
    std::filesystem::path report = session.root() / "report";
};

TEST_F(OstraProcess, StartsKorvoBesideItselfAndSavesItsSettingsWhenTold)
{
    ChildProcess ostra(install.Ostra(), {});
    const platform::HWND host = linkedHost(ostra);
    ASSERT_NE(host, 0U);
    EXPECT_EQ(platform::processExecutable(static_cast<std::uint32_t>(ProcessOf(host))),
              install.Korvo());
    EXPECT_FALSE(install.SettingsBytes()) << "written when the window goes";

    ostra.kill(SIGINT);
    EXPECT_EQ(ostra.wait(), 0);
    const std::optional<std::string> bytes = install.SettingsBytes();
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), OstraSettings::kSize);
    const OstraSettings saved = OstraSettings::FromBytes(std::as_bytes(std::span(*bytes)));
    EXPECT_EQ(saved.WindowWidth, 598);
    EXPECT_EQ(saved.WindowHeight, 453);
    EXPECT_EQ(saved.ColumnWidths, (std::array<std::int32_t, 8>{37, 55, 39, 50, 122, 32, 131, 131}));
    EXPECT_EQ(saved.DisplayEventCount, 1000);
    EXPECT_TRUE(std::filesystem::exists(report / "window.png"));
}

TEST_F(OstraProcess, ShowsEveryEventOfTheDemoSongInOrderAndSignsOff)
{
    OstraSettings settings;
    settings.DisplayEventCount = kMaxDisplayEventCount;
    install.WriteSettings(settings);
    // korvo's status lines, which it writes to its error output, come through the pipe.
    ChildProcess korvo("/bin/sh", {"-c", "exec \"$0\" 2>&1", install.Korvo()});
    EXPECT_NE(awaitLine(korvo, "no plug-in"), "");
    ChildProcess ostra(install.Ostra(), {});
    const platform::HWND host = linkedHost(ostra);
    ASSERT_EQ(ProcessOf(host), korvo.pid());
    EXPECT_NE(awaitLine(korvo, "plug-in signed in"), "");

    platform::SendMessageA(host, HostCmdPlay, 0, 0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (platform::SendMessageA(host, HostQueryRunning, 0, 0) != 0 &&
           std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the last events' pass
    ostra.kill(SIGTERM);
    EXPECT_EQ(ostra.wait(), 0);
    EXPECT_NE(awaitLine(korvo, "no plug-in"), "") << "ostra signed off";

    const std::vector<Row> rows = readGrid(report / "grid.txt");
    const host::Song song = host::DemoSong(1);
    std::size_t next = 0;
    long previousTime = 0;
    for (const host::SongEvent& event : song.events) {
        SCOPED_TRACE(::testing::Message()
                     << "song event at " << event.timeMs << " ms, row " << next + 1);
        ASSERT_LT(next, rows.size()) << "the grid ends early";
        const Row& row = rows[next];
        EXPECT_EQ(row[0], std::to_string(next + 1)) << "numbered without a gap";
        const long time = std::stol(row[1]);
        EXPECT_GE(time, previousTime);
        previousTime = time;
        EXPECT_EQ(row[2], std::to_string(event.port));
        if (!event.isSysEx()) {
            EXPECT_EQ(row[3], rawBytes(event.message));
            ++next;
            continue;
        }
        EXPECT_EQ(row[4], "Sysex Start ($F0)");
        std::vector<std::uint8_t> dump;
        for (; next < rows.size() && rows[next][4] != "Sysex EOX ($F7)"; ++next) {
            collectDump(rows[next][6], dump);
            collectDump(rows[next][7], dump);
        }
        EXPECT_EQ(dump, event.sysEx);
        ASSERT_LT(next, rows.size());
        EXPECT_EQ(rows[next][6], "$F7");
        ++next;
    }
    EXPECT_EQ(next, rows.size()) << "nothing more than the song";
}

} // namespace
} // namespace velmar::monitor::test
