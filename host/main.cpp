#include "host/DemoSong.h"
#include "host/KorvoCommandLine.h"
#include "host/KorvoHost.h"
#include "runtime/platform/Clock.h"
#include "runtime/platform/PlatformError.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/qt/TerminationSignals.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    using namespace velmar;
    QCoreApplication app(argc, argv);
    const host::KorvoCommandLine commandLine = host::ParseKorvoCommandLine(app.arguments());
    if (commandLine.exitNow) {
        std::fputs(commandLine.message.toLocal8Bit().constData(),
                   commandLine.exitCode == 0 ? stdout : stderr);
        return commandLine.exitCode;
    }

    const bool quiet = commandLine.quiet;
    auto status = [quiet](const std::string& line) {
        if (!quiet)
            std::fprintf(stderr, "%s\n", line.c_str());
    };
    std::unique_ptr<host::KorvoHost> korvo;
    try {
        korvo = std::make_unique<host::KorvoHost>(commandLine.options,
                                                  host::DemoSong(commandLine.options.drumPort),
                                                  platform::timeGetTime, status);
    } catch (const EMemMapException& error) {
        std::fprintf(stderr, "korvo: %s: %s\n", error.what(), error.detail().c_str());
        return 1;
    } catch (const platform::PlatformError& error) {
        std::fprintf(stderr, "korvo: %s\n", error.what());
        return 1;
    }
    status(korvo->StatusLine());

    MessagePump pump;
    TerminationSignals signals([] { QCoreApplication::quit(); });
    QTimer clock;
    clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock, &QTimer::timeout, &clock, [&korvo] { korvo->Tick(); });
    clock.start(1);
    const int result = QCoreApplication::exec();
    status(korvo->StatusLine());
    return result;
}
