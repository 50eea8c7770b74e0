#pragma once

#include "monitor/core/OstraSettings.h"

#include <QString>

#include <array>

namespace velmar::monitor {

// The numbered strings that grid rows are made of, fetched once in the language of the
// program so that formatting an event looks nothing up.
struct FormatterTexts {
    FormatterTexts();

    std::array<QString, 7> KindHex;      // "Note Off ($8x)" ... "Pitch Bend ($Ex)"
    std::array<QString, 7> KindDecimal;  // "Note Off (#128)" ... "Pitch Bend (#224)"
    std::array<QString, 16> SystemNames; // "Sysex Start ($F0)" ... "System Reset ($FF)"
    std::array<QString, kControllerCount> ControllerDecimal; // "#7 Main Volume MSB"
    std::array<QString, kControllerCount> ControllerHex;     // "$07 Main Volume MSB"
    QString Pitch;
    QString Velocity;
    QString PolyPressure;
    QString CcType;
    QString CcValue;
    QString Program;
    QString Pressure;
    QString Bend;
    QString MtcNumber;
    QString MtcValue;
    QString Clocks;
    QString SongNumber;
    QString Ext;
    QString Int;
    // Names what is neither a status byte nor a known controller.
    QString Undefined;
};

} // namespace velmar::monitor
