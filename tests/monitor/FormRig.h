#pragma once

#include "monitor/core/OstraSettings.h"
#include "monitor/ui/MonitorWindow.h"
#include "runtime/link/LinkPrompts.h"
#include "runtime/qt/MessagePump.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScopedSession.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace velmar::monitor::test {

// Says what the host link would show, and cancels every question.
class RecordingPrompts : public LinkPrompts {
public:
    void ShowLinkError(const QString& text) override { errors.push_back(text); }
    std::optional<QString> ChooseHostProgram(const QString& exeName, HostProgramReason) override
    {
        asked.push_back(exeName);
        return std::nullopt;
    }

    std::vector<QString> errors;
    std::vector<QString> asked;
};

// Answers every message box that comes up with OK and keeps its text.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();

    std::vector<QString> texts;

private:
    QTimer m_poll;
};

// Takes the place of the browser: keeps every local page the program asks to open.
class PageCatcher : public QObject {
    Q_OBJECT

public:
    PageCatcher();
    ~PageCatcher() override;

    std::vector<QUrl> pages;

public Q_SLOTS:
    void open(const QUrl& page) { pages.push_back(page); }
};

// The monitor's main window in this process, in a session of the test's own with a real
// korvo, and with a program directory of its own for the settings file and help pages.
// The window never starts a host: without korvo the link fails at once.
class FormRig {
public:
    explicit FormRig(const std::vector<std::string>& korvoOptions = {"--quiet"});
    // No host at all.
    struct NoHost {};
    explicit FormRig(NoHost);
    // The window changes into its program directory; the next test starts where this one did.
    ~FormRig();
    FormRig(const FormRig&) = delete;
    FormRig& operator=(const FormRig&) = delete;

    MonitorWindow& Create();

    void WriteSettings(const OstraSettings& settings) const;
    [[nodiscard]] std::optional<OstraSettings> SavedSettings() const;
    void WriteFile(const std::string& name, const std::string& text) const;

    // The host's answer to a question.
    [[nodiscard]] platform::LRESULT AskHost(platform::UINT message) const;
    // Runs the event loop until the condition holds; false when it did not within the time.
    [[nodiscard]] static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

    const std::filesystem::path startDirectory = std::filesystem::current_path();
    velmar::test::ScopedSession session;
    std::filesystem::path exeDir = session.root() / "bin";
    std::unique_ptr<velmar::test::ChildProcess> korvo;
    platform::HWND host = 0;
    MessagePump pump;
    RecordingPrompts prompts;
    std::unique_ptr<MonitorWindow> form;
};

} // namespace velmar::monitor::test
