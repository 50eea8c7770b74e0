#include "runtime/ui/StartupFailure.h"

#include "runtime/SharedMemory.h"
#include "runtime/ui/FormRules.h"

#include <cstdio>

namespace velmar {

QString StartupFailureText(const std::exception& error)
{
    QString text = QString::fromStdString(error.what());
    if (const auto* mapping = dynamic_cast<const SharedMemoryError*>(&error);
        mapping != nullptr && !mapping->detail().empty())
        text += QStringLiteral("\n\n") + QString::fromStdString(mapping->detail());
    return text;
}

void ReportStartupFailure(const char* program, const std::exception& error)
{
    const QString text = StartupFailureText(error);
    QString line = text;
    line.replace(QStringLiteral("\n\n"), QStringLiteral(": "));
    std::fprintf(stderr, "%s: %s\n", program, line.toLocal8Bit().constData());
    ShowErrorBox(nullptr, text);
}

} // namespace velmar
