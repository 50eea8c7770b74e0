#pragma once

#include "host/Song.h"

#include <cstdint>

namespace velmar::host {

// Sixteen bars at 120 beats per minute that show every kind of message: notes on several
// channels, a drum part on channel 10 (on `drumPort`) that plays every General MIDI
// percussion key, controllers, program changes, pitch bend, both pressures, MTC quarter
// frames, song position and select, tune request and two SysEx messages.
[[nodiscard]] Song DemoSong(std::uint16_t drumPort);

} // namespace velmar::host
