#include "tests/support/ChildProcess.h"

#include <windows.h>
#include <chrono>
#include <stdexcept>

namespace velmar::test {

namespace {

// One argument of a command line as the C runtime splits it again.
std::string quoted(const std::string& argument)
{
    std::string text = "\"";
    for (const char c : argument) {
        if (c == '"')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        throw std::runtime_error("CreatePipe failed");
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    std::string commandLine = quoted(program);
    for (const std::string& argument : arguments)
        commandLine += " " + quoted(argument);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    const BOOL started = ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr,
                                          TRUE, 0, nullptr, nullptr, &startup, &info);
    ::CloseHandle(writeEnd);
    if (!started) {
        ::CloseHandle(readEnd);
        throw std::runtime_error("cannot start " + program);
    }
    ::CloseHandle(info.hThread);
    m_pid = static_cast<pid_t>(info.dwProcessId);
    m_process = info.hProcess;
    m_stdout = readEnd;
}

ChildProcess::~ChildProcess()
{
    if (!m_reaped) {
        kill(1);
        wait(5000);
    }
    ::CloseHandle(m_stdout);
    ::CloseHandle(m_process);
}

std::string ChildProcess::readLine(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (const std::size_t newline = m_buffered.find('\n'); newline != std::string::npos) {
            std::string line = m_buffered.substr(0, newline);
            m_buffered.erase(0, newline + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return line;
        }
        // An anonymous pipe cannot be waited on: look, and sleep a little when it is empty.
        DWORD waiting = 0;
        if (!::PeekNamedPipe(m_stdout, nullptr, 0, nullptr, &waiting, nullptr))
            return {}; // the child closed its output
        if (waiting == 0) {
            if (std::chrono::steady_clock::now() >= deadline)
                return {};
            ::Sleep(5);
            continue;
        }
        char chunk[256];
        DWORD got = 0;
        if (!::ReadFile(m_stdout, chunk, sizeof chunk, &got, nullptr) || got == 0)
            return {};
        m_buffered.append(chunk, got);
    }
}

int ChildProcess::wait(int timeoutMs)
{
    if (m_reaped)
        return -1;
    if (::WaitForSingleObject(m_process, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return -1;
    m_reaped = true;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process, &code);
    return static_cast<int>(code);
}

void ChildProcess::kill(int signal)
{
    ::TerminateProcess(m_process, static_cast<UINT>(signal));
}

} // namespace velmar::test
