#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmar::host {

struct CheckedSmf {
    std::string error; // the first thing wrong; empty when the file is sound
    // The header and the track chunks alone: the file library takes a chunk of another
    // kind for a track and loses one.
    std::vector<std::uint8_t> tracks;
};

// Walks a Standard MIDI File's bytes the way a reader would. Only Type 0 and Type 1 files
// with a pulses-per-quarter-note division pass, so nothing that passes can upset the
// file library, which asserts or reads out of bounds on some malformed input.
[[nodiscard]] CheckedSmf CheckSmf(std::span<const std::uint8_t> bytes);

} // namespace velmar::host
