#pragma once

#include <QPainter>

namespace velmar::drawing {

// Every instrument's computer key, printed as a small key cap on the instrument: inside the
// area where a click plays it, clear of the other instruments' lit areas.
void paintKeyHints(QPainter& p);

} // namespace velmar::drawing
