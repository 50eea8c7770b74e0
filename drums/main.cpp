#include "drums/ui/DrumWindow.h"
#include "drums/ui/KettraContext.h"
#include "runtime/SharedMemory.h"
#include "runtime/language/Language.h"
#include "runtime/platform/PlatformError.h"
#include "runtime/qt/TerminationSignals.h"
#include "runtime/ui/FormRules.h"
#include "runtime/ui/WidgetLinkPrompts.h"

#include <QApplication>
#include <QDialog>

#include <cstdlib>
#include <optional>

namespace {

// Ends the program the way closing its window by hand does: a dialog that is up is
// cancelled first, so that its own event loop lets the program end.
void CloseLikeTheUser(QWidget& window)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->reject();
    }
    window.close();
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace velmar;
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Drums"));

    WidgetLinkPrompts prompts(HostProgramDialogFrame::DialogFrame);
    std::optional<drums::DrumWindow> window;
    // A signal can come while the start-up still waits for the host: it ends the program
    // as soon as the start-up is over.
    bool terminated = false;
    const TerminationSignals signals([&window, &terminated] {
        terminated = true;
        if (window)
            CloseLikeTheUser(*window);
    });
    try {
        window.emplace(prompts, drums::KettraContext::Standard());
    } catch (const SharedMemoryError& error) {
        ShowErrorBox(nullptr, QString::fromStdString(error.what()));
        return EXIT_FAILURE;
    } catch (const platform::PlatformError& error) {
        ShowErrorBox(nullptr, QString::fromStdString(error.what()));
        return EXIT_FAILURE;
    }
    if (!window->FormCreate())
        return terminated ? EXIT_SUCCESS : EXIT_FAILURE;
    if (terminated)
        return EXIT_SUCCESS;

    window->show();
    const int result = QApplication::exec();
    window.reset();
    FreeLanguageLibrary();
    return result;
}
