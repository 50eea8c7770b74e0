#include "monitor/OstraDialogs.h"
#include "monitor/ui/MonitorWindow.h"
#include "monitor/ui/OstraReport.h"
#include "runtime/language/Language.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/ProgramIcon.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/ui/EndOnTermination.h"
#include "runtime/ui/StartupFailure.h"
#include "runtime/ui/WidgetLinkPrompts.h"

#include <QApplication>
#include <QWidget>

#include <exception>
#include <memory>
#include <optional>

int main(int argc, char* argv[])
{
    using namespace velmar;
    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("MIDI Monitor"));
    QApplication::setWindowIcon(ProgramIcon(kMonitorPictures));
    MessagePump pump;
    const std::optional<monitor::OstraReport> report = monitor::OstraReport::FromEnvironment();

    std::unique_ptr<monitor::MonitorWindow> form;
    // A signal ends the program the way its Exit button does; one that comes while the
    // window is still being set up cancels what the set-up shows, and the program ends
    // once the set-up is done.
    const EndOnTermination ending([&form] {
        if (form) {
            form->close();
            QCoreApplication::quit(); // also from a modal loop
        }
    });

    WidgetLinkPrompts prompts(HostProgramDialogFrame::ToolWindow);
    try {
        form = std::make_unique<monitor::MonitorWindow>(prompts,
                                                        monitor::MonitorEnvironment::standard());
    } catch (const std::exception& error) {
        ReportStartupFailure("ostra", error);
        return 1;
    }

    int result = 1;
    if (!form->TerminateRequested() && !ending.Requested()) {
        const monitor::OstraDialogs dialogs(*form);
        if (report)
            report->Linked(form->HostWindow());
        QObject::connect(form.get(), &monitor::MonitorWindow::Closed, &app,
                         &QCoreApplication::quit);
        form->show();
        result = QApplication::exec();
        if (report)
            report->Ended(*form);
    }
    form.reset();
    FreeLanguageLibrary();
    return result;
}
