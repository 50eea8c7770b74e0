#pragma once

#include "monitor/ui/DigitGlyphs.h"

#include <QLabel>

namespace velmar::monitor {

// A label that shows a number against its right edge, on white: the event count and the
// clock, new at every repaint of a stream. Its digits are drawn from their glyphs
// (DigitGlyphs) rather than laid out each time, with the pixels the label would draw;
// anything else it shows, or a style that draws labels its own way, is left to the label.
class NumberLabel : public QLabel {
public:
    NumberLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool paintDigits();

    DigitGlyphs m_digits;
};

} // namespace velmar::monitor
