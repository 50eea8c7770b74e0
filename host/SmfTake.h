#pragma once

#include "host/Sequencer.h"
#include "host/Song.h"

#include <string>
#include <vector>

namespace velmar::host {

// Writes a recorded take as a Type 1 Standard MIDI File: a tempo track, the song's
// channel and SysEx events with one track per output port, and the take as the last
// track. Times are kept to the millisecond (500 pulses a quarter note at 120 beats per
// minute), so the song's own tempo map is not carried over. Gives what went wrong, or
// an empty string.
[[nodiscard]] std::string SaveTake(const std::string& path, const Song& song,
                                   const std::vector<RecordedEvent>& take);

// Where a take goes when no file was named: a timestamped file in the user's music
// directory, or the home directory when there is none.
[[nodiscard]] std::string DefaultTakePath();

} // namespace velmar::host
