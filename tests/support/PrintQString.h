#pragma once

#include <QString>

#include <ostream>

// Failed expectations show texts as text, not as lists of 2-byte objects.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
