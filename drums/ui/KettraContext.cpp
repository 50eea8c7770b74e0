#include "drums/ui/KettraContext.h"

#include "runtime/pictures/ColorCount.h"
#include "runtime/platform/Files.h"

#include <QGuiApplication>

namespace velmar::drums {

KettraContext KettraContext::Standard()
{
    return {
        .ExeDir = platform::ExeDir(),
        .WindowsDir = platform::WindowsDir(),
        .Link = LinkContext::standard(),
        .DisplayColorCount = [] { return ColorCount(QGuiApplication::primaryScreen()); },
        .KeyPlacesKnown = QGuiApplication::platformName() == QLatin1String("xcb") ||
                          QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
    };
}

} // namespace velmar::drums
