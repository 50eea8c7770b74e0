#include "drums/ui/DrumWindow.h"
#include "drums/ui/KettraContext.h"
#include "runtime/language/Language.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/ProgramIcon.h"
#include "runtime/ui/EndOnTermination.h"
#include "runtime/ui/StartupFailure.h"
#include "runtime/ui/WidgetLinkPrompts.h"

#include <QApplication>

#include <cstdlib>
#include <exception>
#include <optional>

int main(int argc, char* argv[])
{
    using namespace velmar;
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Drums"));
    QApplication::setWindowIcon(ProgramIcon(kDrumPictures));

    WidgetLinkPrompts prompts(HostProgramDialogFrame::DialogFrame);
    std::optional<drums::DrumWindow> window;
    // A signal during the start-up cancels what it shows and ends the program once the
    // start-up is over.
    const EndOnTermination ending([&window] {
        if (window)
            window->close();
    });
    try {
        window.emplace(prompts, drums::KettraContext::Standard());
        if (!window->FormCreate())
            return ending.Requested() ? EXIT_SUCCESS : EXIT_FAILURE;
    } catch (const std::exception& error) {
        window.reset();
        ReportStartupFailure("kettra", error);
        return EXIT_FAILURE;
    }
    if (ending.Requested())
        return EXIT_SUCCESS;

    window->show();
    const int result = QApplication::exec();
    window.reset();
    FreeLanguageLibrary();
    return result;
}
