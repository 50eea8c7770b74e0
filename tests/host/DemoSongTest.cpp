#include "host/DemoSong.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace velmar::host {
namespace {

TEST(DemoSong, ShowsEveryKindOfMessageTheMonitorNames)
{
    const Song song = DemoSong(1);
    std::set<std::uint8_t> kinds;
    std::size_t longestSysEx = 0;
    for (const SongEvent& event : song.events) {
        const std::uint8_t status = event.message.status();
        kinds.insert(status >= 0xF0 ? status : static_cast<std::uint8_t>(status & 0xF0));
        if (event.isSysEx())
            longestSysEx = std::max(longestSysEx, event.sysEx.size());
        EXPECT_LT(event.message.data1(), 0x80);
        EXPECT_LT(event.message.data2(), 0x80);
    }
    for (const int kind : {0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0, 0xF1, 0xF2, 0xF3, 0xF6})
        EXPECT_TRUE(kinds.contains(static_cast<std::uint8_t>(kind))) << std::hex << kind;
    EXPECT_GT(longestSysEx, 100U);
}

TEST(DemoSong, DrumPartPlaysEveryPercussionKeyOnItsPort)
{
    const Song song = DemoSong(5);
    std::set<int> keys;
    for (const SongEvent& event : song.events) {
        const bool drumChannel =
            (event.message.status() & 0x0F) == 9 && event.message.status() < 0xF0;
        EXPECT_EQ(event.port, drumChannel ? 5 : 1);
        if (drumChannel && (event.message.status() & 0xF0) == 0x90)
            keys.insert(event.message.data1());
    }
    for (int key = 27; key <= 87; ++key)
        EXPECT_TRUE(keys.contains(key)) << "key " << key;
}

TEST(DemoSong, EventsAreInOrderInsideTheSongAndEveryNoteEnds)
{
    const Song song = DemoSong(1);
    EXPECT_EQ(song.barStartsMs.size(), 16U);
    EXPECT_EQ(song.lengthMs, 32'000U);
    EXPECT_TRUE(
        std::is_sorted(song.events.begin(), song.events.end(),
                       [](const SongEvent& a, const SongEvent& b) { return a.timeMs < b.timeMs; }));
    std::map<std::pair<int, int>, int> sounding;
    for (const SongEvent& event : song.events) {
        EXPECT_LT(event.timeMs, song.lengthMs);
        const int kind = event.message.status() & 0xF0;
        const auto key = std::make_pair(event.message.status() & 0x0F, int{event.message.data1()});
        if (kind == 0x90 && event.message.data2() > 0)
            ++sounding[key];
        else if (kind == 0x80)
            --sounding[key];
    }
    for (const auto& [key, count] : sounding)
        EXPECT_EQ(count, 0) << "channel " << key.first << " key " << key.second;
}

} // namespace
} // namespace velmar::host
