#pragma once

#include "host/Sequencer.h"
#include "host/Song.h"

#include <string>
#include <vector>

namespace velmar::host {

// Writes a recorded take as a Type 1 Standard MIDI File: the song's tempo map, the song's
// channel and SysEx events with one track per output port, and the take (channel and SysEx
// messages) as the last track. Times read back to the millisecond. Gives what went wrong, or
// an empty string.
[[nodiscard]] std::string SaveTake(const std::string& path, const Song& song,
                                   const std::vector<RecordedEvent>& take);

} // namespace velmar::host
