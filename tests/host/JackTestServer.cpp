#include "tests/host/JackTestServer.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <jack/jack.h>
#include <signal.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace velmar::test {

namespace {

bool answers(const std::string& server)
{
    jack_status_t status{};
    jack_client_t* probe =
        jack_client_open("probe", static_cast<jack_options_t>(JackNoStartServer | JackServerName),
                         &status, server.c_str());
    if (probe == nullptr)
        return false;
    jack_client_close(probe);
    return true;
}

void silent(const char*) {}

} // namespace

std::string JackTestServer::JackdPath()
{
    const char* path = std::getenv("PATH");
    std::stringstream directories(path != nullptr ? path : "");
    for (std::string directory; std::getline(directories, directory, ':');) {
        const auto candidate = std::filesystem::path(directory) / "jackd";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

JackTestServer::JackTestServer(const std::string& name, int periodFrames)
    : m_name("velmar-" + name + "-" + std::to_string(::getpid()))
{
    const std::string jackd = JackdPath();
    if (jackd.empty())
        return;
    jack_set_error_function(&silent); // the probes below fail until the server is up
    jack_set_info_function(&silent);
    ::setenv("JACK_DEFAULT_SERVER", m_name.c_str(), 1);
    m_jackd = std::make_unique<ChildProcess>(
        jackd, std::vector<std::string>{"--no-realtime", "-n", m_name, "-d", "dummy", "-p",
                                        std::to_string(periodFrames)});
    for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
         !m_running && std::chrono::steady_clock::now() < end;) {
        m_running = answers(m_name);
        if (!m_running)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

JackTestServer::~JackTestServer()
{
    if (m_jackd) {
        m_jackd->kill(SIGTERM);
        m_jackd->wait();
    }
    ::unsetenv("JACK_DEFAULT_SERVER");
}

} // namespace velmar::test
