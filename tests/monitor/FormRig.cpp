#include "tests/monitor/FormRig.h"

#include "runtime/HostMessages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QMessageBox>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace velmar::monitor::test {

MessageBoxAnswerer::MessageBoxAnswerer()
{
    m_poll.setInterval(10);
    QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts.push_back(box->text());
            box->done(QMessageBox::Ok);
        }
    });
    m_poll.start();
}

PageCatcher::PageCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

PageCatcher::~PageCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

FormRig::FormRig(const std::vector<std::string>& korvoOptions)
    : FormRig(NoHost{})
{
    korvo = std::make_unique<velmar::test::ChildProcess>(VELMAR_KORVO, korvoOptions);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (host == 0 && std::chrono::steady_clock::now() < end) {
        for (const platform::HWND hwnd : platform::EnumWindows())
            if (platform::GetWindowThreadProcessId(hwnd) ==
                    static_cast<std::uint32_t>(korvo->pid()) &&
                platform::SendMessageA(hwnd, HostQueryIdentify, 0, 0) == HostIdentifyReply)
                host = hwnd;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_NE(host, 0U) << "korvo did not show its window";
}

FormRig::FormRig(NoHost)
{
    std::filesystem::create_directories(exeDir);
}

FormRig::~FormRig()
{
    form.reset();
    std::filesystem::current_path(startDirectory);
}

MonitorWindow& FormRig::Create()
{
    MonitorEnvironment environment{exeDir.string() + "/",
                                   (session.configDir() / "velmar").string() + "/",
                                   (exeDir / "ostra").string(), LinkContext::standard()};
    environment.Link.launch = [](std::string_view) {
        return 0;
    };
    form = std::make_unique<MonitorWindow>(prompts, std::move(environment));
    return *form;
}

void FormRig::WriteSettings(const OstraSettings& settings) const
{
    const OstraSettings::Bytes bytes = settings.ToBytes();
    std::ofstream(exeDir / "$OSTRA.cfg", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::optional<OstraSettings> FormRig::SavedSettings() const
{
    std::ifstream file(exeDir / "$OSTRA.cfg", std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    const std::string text = bytes.str();
    if (text.size() != OstraSettings::kSize)
        return std::nullopt;
    return OstraSettings::FromBytes(std::as_bytes(std::span(text)));
}

void FormRig::WriteFile(const std::string& name, const std::string& text) const
{
    std::ofstream(exeDir / name) << text;
}

platform::LRESULT FormRig::AskHost(platform::UINT message) const
{
    return platform::SendMessageA(host, message, 0, 0);
}

// A real event loop, which waits for events as the program's does: only then does the
// window's idle handler start.
bool FormRig::WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

} // namespace velmar::monitor::test
