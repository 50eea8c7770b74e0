#pragma once

#include "host/Song.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

namespace velmar::host {

// Host output ports chosen for tracks, by track number from 1.
using TrackPorts = std::map<int, std::uint16_t>;

struct SmfSong {
    std::optional<Song> song;
    std::string error; // what is wrong, when there is no song
};

// A Type 0 or Type 1 Standard MIDI File as a song, timed by its tempo map. Track n plays on
// port 1 unless its port meta event names another, and `ports` overrides both. A file
// with anything wrong gives no song and says what is wrong; the error from a file names it.
[[nodiscard]] SmfSong SongFromSmf(std::span<const std::uint8_t> bytes, const TrackPorts& ports);
[[nodiscard]] SmfSong LoadSmfSong(const std::string& path, const TrackPorts& ports);

} // namespace velmar::host
