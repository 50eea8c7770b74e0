// Standard MIDI Files of any content through korvo's loader: a file gives either a whole
// song or an error and no song, a song's events are in time order on valid ports with
// only the messages a file may hold, and every object of the file library is freed (the
// leak checker runs after each input).
#include "fuzz/FuzzCheck.h"
#include "host/SmfSong.h"

#include <algorithm>
#include <glib.h>
#include <span>

namespace {

// The file library reports what it refuses through GLib's log; the loader says it once
// itself, so millions of inputs need not print it.
void quietLog(const gchar* /*domain*/, GLogLevelFlags /*level*/, const gchar* /*message*/,
              gpointer /*data*/)
{}

bool validSongEvent(const velmar::host::SongEvent& event)
{
    if (event.port < 1 || event.port > 16)
        return false;
    if (event.isSysEx())
        return std::all_of(event.sysEx.begin(), event.sysEx.end(),
                           [](std::uint8_t byte) { return byte < 0x80; });
    const std::uint8_t status = event.message.status();
    return status >= 0x80 && status < 0xF0 && event.message.data1() < 0x80 &&
           event.message.data2() < 0x80 && event.sysEx.empty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using velmar::fuzz::Require;
    static const bool quiet = [] {
        g_log_set_default_handler(quietLog, nullptr);
        return true;
    }();
    (void)quiet;

    const velmar::host::SmfSong loaded = velmar::host::SongFromSmf({data, size}, {});
    Require(loaded.song.has_value() == loaded.error.empty(),
            "a file gave both a song and an error, or neither");
    if (!loaded.song)
        return 0;
    const velmar::host::Song& song = *loaded.song;
    Require(std::is_sorted(song.events.begin(), song.events.end(),
                           [](const auto& a, const auto& b) { return a.timeMs < b.timeMs; }),
            "song events out of time order");
    Require(std::all_of(song.events.begin(), song.events.end(), validSongEvent),
            "a song event a file cannot hold");
    Require(song.events.empty() || song.lengthMs >= song.events.back().timeMs,
            "the song ends before its last event");
    Require(std::is_sorted(song.barStartsMs.begin(), song.barStartsMs.end()), "bars out of order");
    return 0;
}
