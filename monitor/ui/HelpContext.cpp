#include "monitor/ui/HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace velmar::monitor {

namespace {

constexpr char kHelpContext[] = "HelpContext";

} // namespace

void SetHelpContext(QWidget& widget, int context)
{
    widget.setProperty(kHelpContext, context);
}

int HelpContextOf(const QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget())
        if (const QVariant context = widget->property(kHelpContext); context.isValid())
            return context.toInt();
    return 0;
}

} // namespace velmar::monitor
