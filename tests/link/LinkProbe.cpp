// A plug-in reduced to its link, for tests against the real host: it links as a plug-in
// does, prints what it was shown and what it got, keeps asking whether the host runs, and
// signs off when told to end (SIGTERM). Output lines: "error <text>", "asked <name>",
// "linked <hwnd>", "no link", "running <answer>", "signed off".

#include "runtime/HostMessages.h"
#include "runtime/language/Language.h"
#include "runtime/link/HostLink.h"
#include "runtime/link/LinkPrompts.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/qt/TerminationSignals.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// Shows nothing: says what it would show, and cancels every question.
class PrintingPrompts : public velmar::LinkPrompts {
public:
    void ShowLinkError(const QString& text) override { say(QStringLiteral("error ") + text); }
    std::optional<QString> ChooseHostProgram(const QString& exeName,
                                             velmar::HostProgramReason) override
    {
        say(QStringLiteral("asked ") + exeName);
        return std::nullopt;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    using namespace velmar;
    QCoreApplication app(argc, argv);
    InitLanguage();
    auto window = platform::WindowEndpoint::create(
        [](platform::UINT, platform::WPARAM, platform::LPARAM) { return platform::LRESULT{1}; });
    MessagePump pump;
    PrintingPrompts prompts;
    std::optional<platform::HWND> host;
    {
        HostLink link(prompts);
        link.Loaded();
        host = link.MainWinHandle();
        say(*host != 0 ? QStringLiteral("linked %1").arg(*host, 8, 16, QLatin1Char('0'))
                       : QStringLiteral("no link"));

        std::optional<platform::LRESULT> lastAnswer;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            const platform::LRESULT answer = platform::SendMessageA(*host, HostQueryRunning, 0, 0);
            if (answer != lastAnswer)
                say(QStringLiteral("running %1").arg(answer));
            lastAnswer = answer;
        });
        if (*host != 0)
            poll.start(50);
        TerminationSignals signals([] { QCoreApplication::quit(); });
        QCoreApplication::exec();
    }
    say(QStringLiteral("signed off"));
    return 0;
}
