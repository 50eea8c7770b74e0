#include "monitor/OstraDialogs.h"
#include "monitor/ui/MonitorWindow.h"
#include "monitor/ui/OstraReport.h"
#include "runtime/language/Language.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/qt/TerminationSignals.h"
#include "runtime/ui/FormRules.h"
#include "runtime/ui/WidgetLinkPrompts.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

int main(int argc, char* argv[])
{
    using namespace velmar;
    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("MIDI Monitor"));
    MessagePump pump;
    const std::optional<monitor::OstraReport> report = monitor::OstraReport::FromEnvironment();

    std::unique_ptr<monitor::MonitorWindow> form;
    bool terminated = false;
    // A signal ends the program the way its Exit button does. One that comes while the
    // window is still being set up closes the box or dialog of the moment, and the program
    // ends once the set-up is done.
    TerminationSignals signals([&] {
        terminated = true;
        if (!form) {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        form->close();
        QCoreApplication::quit(); // also from a modal loop
    });

    WidgetLinkPrompts prompts(HostProgramDialogFrame::ToolWindow);
    try {
        form = std::make_unique<monitor::MonitorWindow>(prompts,
                                                        monitor::MonitorEnvironment::standard());
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "ostra: %s\n", error.what());
        ShowErrorBox(nullptr, QString::fromStdString(error.what()));
        return 1;
    }

    int result = 1;
    if (!form->TerminateRequested() && !terminated) {
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
