#pragma once

#include "host/MidiSystem.h"

#include <memory>

namespace velmar::host {

// korvo's client on the ALSA sequencer, or nothing when the sequencer cannot be opened.
[[nodiscard]] std::unique_ptr<MidiSystem> OpenAlsaSeqMidiSystem(MidiInputQueue& input);

} // namespace velmar::host
