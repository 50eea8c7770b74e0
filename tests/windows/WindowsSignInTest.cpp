// A plug-in made of the runtime's parts that need no Qt signs in to a host that uses the
// Windows API alone, in another process: the search finds the host's window by its program's
// module, the sign-in hands over the mapping's handle, the ring is drained in order while
// the host keeps writing, and the host's mark is answered and stored.

#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/link/HostWindowSearch.h"
#include "runtime/platform/Windows.h"
#include "tests/support/BesideTests.h"
#include "tests/support/ChildProcess.h"
#include "tests/windows/StandInProtocol.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace velmar {
namespace {

using namespace velmar::test::standin;

// More than two rings' worth, so both indices wrap from 1000 to 1 on the way.
constexpr unsigned kEvents = 2500;

TEST(WindowsSignIn, APlugInFindsTheHostSignsInAndDrainsTheRingInOrder)
{
    test::ChildProcess host(test::besideTests("windows_host_stand_in"), {std::to_string(kEvents)});
    ASSERT_EQ(host.readLine(20000).rfind("ready ", 0), 0U);

    const auto map =
        SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
    ASSERT_TRUE(map);
    EXPECT_EQ(std::memcmp(map->Data(), kHostBytes, sizeof kHostBytes), 0)
        << "the host's block is joined, not made anew";
    HostLinkBlock block(map->Data());
    std::uint32_t storedMark = 0;
    auto window = platform::WindowEndpoint::create([&](platform::UINT message,
                                                       platform::WPARAM wParam, platform::LPARAM) {
        const std::optional<platform::LRESULT> answer = HandlePlugInMessage(block, message, wParam);
        if (answer)
            std::memcpy(&storedMark, map->Data() + HostLinkBlock::kHostMarkOffset, 4);
        return answer.value_or(0);
    });

    HostWindowSearch search;
    const platform::HWND hostWindow = search.FindHostWindow("WINDOWS_HOST_STAND_IN.EXE");
    ASSERT_NE(hostWindow, 0U);
    EXPECT_TRUE(search.HostProcessFound());
    EXPECT_EQ(search.HostProcessId(), static_cast<std::uint32_t>(host.pid()));
    EXPECT_EQ(platform::GetWindowThreadProcessId(hostWindow),
              static_cast<std::uint32_t>(host.pid()));
    EXPECT_EQ(search.FindHostWindow("SOME_OTHER_HOST.EXE"), 0U);

    ASSERT_EQ(platform::SendMessageA(hostWindow, HostCmdSignIn, 0, map->Handle()),
              HostSignInAccepted);

    std::vector<RingEvent> taken;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((taken.size() < kEvents || storedMark == 0) &&
           std::chrono::steady_clock::now() < deadline) {
        (void)block.Drain([&](const RingEvent& event) { taken.push_back(event); });
        if (platform::waitForMessages(1))
            platform::dispatchMessages();
    }
    ASSERT_EQ(taken.size(), kEvents);
    for (unsigned n = 0; n < kEvents; ++n) {
        ASSERT_EQ(taken[n].Source, EventSource(n)) << "event " << n;
        ASSERT_EQ(taken[n].Message.value(), EventMessage(n)) << "event " << n;
    }
    EXPECT_EQ(storedMark, kMark);
    EXPECT_EQ(host.readLine(10000), "mark 1") << "the plug-in answered the mark";

    platform::SendMessageA(hostWindow, HostCmdSignOff, 0, 0);
    EXPECT_EQ(host.readLine(10000), "signed off " + std::to_string(map->Handle()))
        << "the host was given the plug-in's handle of the mapping";
    EXPECT_EQ(host.wait(10000), 0);
}

} // namespace
} // namespace velmar
