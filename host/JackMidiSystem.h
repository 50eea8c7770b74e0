#pragma once

#include "host/MidiSystem.h"

#include <memory>

namespace velmar::host {

// korvo's client on a JACK server (also pipewire-jack), or nothing when no server answers.
[[nodiscard]] std::unique_ptr<MidiSystem> OpenJackMidiSystem(MidiInputQueue& input);

} // namespace velmar::host
