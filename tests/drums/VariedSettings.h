#pragma once

#include "drums/core/KettraSettings.h"

namespace velmar::drums::test {

// A settings record with every field the settings dialog shows away from its default.
inline KettraSettings VariedSettings()
{
    KettraSettings settings;
    settings.LoVelocity = 40;
    settings.HiVelocity = 110;
    settings.RandomizeVelocity = 1;
    settings.RandomRange = 35;
    DeriveRandomSpans(settings);
    settings.HintFlags = kHintNoteNumber | kHintComputerKey;
    settings.ShowAllInstruments = 0;
    settings.AlwaysOnTop = 0;
    settings.TransportKeys = kTransportKeysOff;
    settings.QwertyOnDrums = 0;
    settings.DurationBoost = 7;
    settings.DrumPort = 4;
    settings.DrumChannel = 2;
    return settings;
}

} // namespace velmar::drums::test
