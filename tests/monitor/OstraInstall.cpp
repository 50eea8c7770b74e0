#include "tests/monitor/OstraInstall.h"

#include "runtime/HostMessages.h"
#include "runtime/platform/Processes.h"

#include <chrono>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace velmar::monitor::test {

namespace {

// A hard link where the file system allows one: the programs are large.
void place(const std::filesystem::path& program, const std::filesystem::path& copy)
{
    std::error_code linkFailed;
    std::filesystem::create_hard_link(program, copy, linkFailed);
    if (linkFailed)
        std::filesystem::copy_file(program, copy);
}

} // namespace

OstraInstall::OstraInstall(std::filesystem::path directory)
    : m_directory(std::move(directory))
{
    std::filesystem::create_directories(m_directory);
    place(VELMAR_OSTRA, Ostra());
    place(VELMAR_KORVO, Korvo());
}

OstraInstall::~OstraInstall()
{
    for (const platform::HWND hwnd : KorvoWindows())
        ::kill(ProcessOf(hwnd), SIGTERM);
}

void OstraInstall::WriteSettings(const OstraSettings& settings) const
{
    const OstraSettings::Bytes bytes = settings.ToBytes();
    std::ofstream(SettingsFile(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> OstraInstall::SettingsBytes() const
{
    std::ifstream file(SettingsFile(), std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::vector<platform::HWND> OstraInstall::KorvoWindows() const
{
    std::vector<platform::HWND> found;
    for (const platform::HWND hwnd : platform::EnumWindows())
        if (platform::processExecutable(platform::GetWindowThreadProcessId(hwnd)) == Korvo())
            found.push_back(hwnd);
    return found;
}

platform::HWND OstraInstall::AwaitKorvoWindow(int seconds) const
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        for (const platform::HWND hwnd : KorvoWindows())
            if (platform::SendMessageA(hwnd, HostQueryIdentify, 0, 0) == HostIdentifyReply)
                return hwnd;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}

pid_t ProcessOf(platform::HWND hwnd)
{
    return static_cast<pid_t>(platform::GetWindowThreadProcessId(hwnd));
}

double ProcessorSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields 14 and 15 (user and system time) follow the parenthesised program name.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 13; ++i)
        fields >> field;
    double user = 0;
    double system = 0;
    fields >> user >> system;
    return (user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

} // namespace velmar::monitor::test
