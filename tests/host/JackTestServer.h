#pragma once

#include "tests/support/ChildProcess.h"

#include <memory>
#include <string>

namespace velmar::test {

// A JACK server of the test's own (the dummy backend: no sound card), under a name no
// other test or user shares. Clients the process opens afterwards, and programs it starts,
// find it through JACK_DEFAULT_SERVER. Ended cleanly, so JACK frees its entry for the name.
class JackTestServer {
public:
    // `name` is made private with the process id. `periodFrames` sets the cycle.
    JackTestServer(const std::string& name, int periodFrames = 1024);
    ~JackTestServer();
    JackTestServer(const JackTestServer&) = delete;
    JackTestServer& operator=(const JackTestServer&) = delete;

    // False when jackd is not installed or the server did not answer within 10 s.
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] const std::string& name() const { return m_name; }

    // The path of jackd, or empty when it is not installed.
    [[nodiscard]] static std::string JackdPath();

private:
    std::string m_name;
    std::unique_ptr<ChildProcess> m_jackd;
    bool m_running = false;
};

} // namespace velmar::test
