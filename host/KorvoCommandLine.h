#pragma once

#include "host/KorvoHost.h"
#include "host/OpenMidiPorts.h"
#include "host/SmfSong.h"

#include <QString>
#include <QStringList>

namespace velmar::host {

struct KorvoCommandLine {
    KorvoOptions options;
    bool quiet = false;
    std::string songPath; // empty: the demo song
    TrackPorts trackPorts;
    MidiPortOptions midi;
    bool listPorts = false;
    bool synth = true; // sound port 1 through the embedded synth
    bool tray = true;  // show an icon in the desktop's system tray, when there is one
    // Set when the program should print this and end: help, version or an error.
    QString message;
    int exitCode = 0;
    bool exitNow = false;
};

// Reads korvo's command line (arguments include the program name).
[[nodiscard]] KorvoCommandLine ParseKorvoCommandLine(const QStringList& arguments);

} // namespace velmar::host
