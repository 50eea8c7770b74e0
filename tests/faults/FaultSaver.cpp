// Saves one of the programs' files the way the program does, for the fault tests: one
// version and a line "saved" or "failed <what the user is told>", or (with --loop) one
// version after the other, each announced by "saving <version>" before it starts, until
// the process is killed. --file-size-limit BYTES sets RLIMIT_FSIZE first, with SIGXFSZ
// ignored, as on a disk that is full.
//
//   fault_saver ostra|kettra|text PATH VERSION [--loop] [--file-size-limit BYTES]

#include "tests/faults/SaveVersions.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kFailedExit = 3;
constexpr int kUsageExit = 2;

// Unbuffered, so that every line announced before a kill reaches the test.
void say(const std::string& line)
{
    const std::string text = line + "\n";
    (void)!::write(STDOUT_FILENO, text.data(), text.size());
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace velmar::test;
    if (argc < 4 || !SaveKindNamed(argv[1])) {
        std::fputs("usage: fault_saver ostra|kettra|text PATH VERSION [--loop] "
                   "[--file-size-limit BYTES]\n",
                   stderr);
        return kUsageExit;
    }
    const SaveKind kind = *SaveKindNamed(argv[1]);
    const std::string path = argv[2];
    std::uint64_t version = std::strtoull(argv[3], nullptr, 10);
    bool loop = false;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--loop") == 0) {
            loop = true;
        } else if (std::strcmp(argv[i], "--file-size-limit") == 0 && i + 1 < argc) {
            const rlim_t limit = std::strtoull(argv[++i], nullptr, 10);
            const rlimit fileSize{limit, limit};
            std::signal(SIGXFSZ, SIG_IGN);
            if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
                return kUsageExit;
        }
    }

    if (!loop) {
        const SaveOutcome outcome = SaveVersion(kind, path, version);
        if (outcome.saved)
            say("saved");
        else if (outcome.message.isEmpty())
            say("failed");
        else
            say("failed " + outcome.message.toStdString());
        return outcome.saved ? 0 : kFailedExit;
    }
    for (;; ++version) {
        say("saving " + std::to_string(version));
        (void)SaveVersion(kind, path, version);
    }
}
