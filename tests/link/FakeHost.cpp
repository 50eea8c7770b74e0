// A stand-in for the host that counts what the host link sends it. Options:
//   --announce            print "ready <hwnd>" (hexadecimal) once the window exists
//   --identify-reply N    answer HostQueryIdentify with N (default 259)
//   --sign-in-reply N     answer HostCmdSignIn with N (default 1)
//   --map FILE            keep FILE mapped, so it is one of the process's modules
// It ends on kQuit, after a minute, or when its session directory is removed.

#include "runtime/HostMessages.h"
#include "runtime/platform/Windows.h"
#include "runtime/platform/posix/SessionDirectory.h"
#include "tests/link/FakeHostProtocol.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

using namespace velmar;
using namespace velmar::platform;
namespace fakehost = velmar::test::fakehost;

int main(int argc, char** argv)
{
    bool announce = false;
    LRESULT identifyReply = HostIdentifyReply;
    LRESULT signInReply = HostSignInAccepted;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--announce")
            announce = true;
        else if (option == "--identify-reply" && hasValue)
            identifyReply = std::strtol(argv[++i], nullptr, 0);
        else if (option == "--sign-in-reply" && hasValue)
            signInReply = std::strtol(argv[++i], nullptr, 0);
        else if (option == "--map" && hasValue) {
            const int fd = ::open(argv[++i], O_RDWR | O_CREAT, 0600);
            if (fd < 0 || ::ftruncate(fd, 4096) != 0 ||
                ::mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0) == MAP_FAILED)
                return 2;
        } else {
            std::fprintf(stderr, "fakehost: unknown option %s\n", option.c_str());
            return 1;
        }
    }

    LRESULT identifies = 0;
    LRESULT signIns = 0;
    LRESULT signOffs = 0;
    LPARAM lastSignInParam = -1;
    bool quit = false;
    const auto window = WindowEndpoint::create([&](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        switch (message) {
        case HostQueryIdentify:
            ++identifies;
            return identifyReply;
        case HostCmdSignIn:
            ++signIns;
            lastSignInParam = lParam;
            return signInReply;
        case HostCmdSignOff:
            ++signOffs;
            return 0;
        case fakehost::kIdentifyCount:
            return identifies;
        case fakehost::kSignInCount:
            return signIns;
        case fakehost::kSignOffCount:
            return signOffs;
        case fakehost::kLastSignInParam:
            return lastSignInParam;
        case fakehost::kQuit:
            quit = true;
            return 1;
        default:
            return 0;
        }
    });
    if (announce) {
        std::printf("ready %x\n", window->hwnd());
        std::fflush(stdout);
    }

    char name[16];
    std::snprintf(name, sizeof name, "%08x.win", window->hwnd());
    const std::filesystem::path windowFile = sessionDirectory() / name;
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!quit && std::chrono::steady_clock::now() < end && std::filesystem::exists(windowFile)) {
        pollfd fd{messageNotifierFd(), POLLIN, 0};
        if (::poll(&fd, 1, 50) > 0)
            dispatchMessages();
    }
    return 0;
}
