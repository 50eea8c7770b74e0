#include "host/EmbeddedSynth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

namespace velmar::host {
namespace {

double rmsOfNext(EmbeddedSynth& synth, std::size_t frames)
{
    std::vector<float> left(frames);
    std::vector<float> right(frames);
    synth.Render(left, right);
    double sum = 0;
    for (std::size_t i = 0; i < frames; ++i)
        sum += double{left[i]} * left[i] + double{right[i]} * right[i];
    return std::sqrt(sum / static_cast<double>(2 * frames));
}

TEST(EmbeddedSynth, ADrumNoteSoundsWithoutAnAudioDevice)
{
    if (!std::filesystem::exists(EmbeddedSynth::kDefaultSoundFont))
        GTEST_SKIP() << "no General MIDI SoundFont at " << EmbeddedSynth::kDefaultSoundFont
                     << " (scripts/setup installs one)";
    std::string error;
    const auto synth = EmbeddedSynth::Create(EmbeddedSynth::kDefaultSoundFont, error);
    ASSERT_TRUE(synth) << error;
    EXPECT_LT(rmsOfNext(*synth, 4410), 1e-4) << "silent before any note";

    // Bytes that are no MIDI message change nothing.
    for (const std::vector<std::uint8_t>& bad : std::vector<std::vector<std::uint8_t>>{
             {}, {0x99}, {0x99, 38}, {0x99, 38, 0x80}, {0x38, 0x7F}, {0xF0, 0xF7}})
        synth->Send(bad);
    EXPECT_LT(rmsOfNext(*synth, 4410), 1e-4);

    const std::uint8_t snare[] = {0x99, 38, 127}; // channel 10, acoustic snare
    synth->Send(snare);
    EXPECT_GT(rmsOfNext(*synth, 8820), 1e-3);
}

TEST(EmbeddedSynth, SaysWhenItHasNoSoundFont)
{
    std::string error;
    EXPECT_FALSE(EmbeddedSynth::Create("/nonexistent/none.sf2", error));
    EXPECT_NE(error.find("/nonexistent/none.sf2"), std::string::npos) << error;
}

} // namespace
} // namespace velmar::host
