#pragma once

#include "host/MidiPorts.h"

#include <memory>
#include <span>
#include <string>

namespace velmar::host {

// General MIDI sound inside korvo: an output port played through FluidSynth with a
// SoundFont, so a newcomer hears songs and drums without setting anything up.
class EmbeddedSynth : public MidiOutput {
public:
    static constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

    // A synth that renders only when asked (Render); nothing when the SoundFont cannot be
    // loaded, with `error` saying why.
    static std::unique_ptr<EmbeddedSynth> Create(const std::string& soundFont, std::string& error);
    ~EmbeddedSynth() override;
    EmbeddedSynth(const EmbeddedSynth&) = delete;
    EmbeddedSynth& operator=(const EmbeddedSynth&) = delete;

    // Plays through the computer's audio device from now on; false when there is none.
    bool StartAudio();

    void Send(std::span<const std::uint8_t> bytes) override;
    // Renders the next frames into the two channels (of equal size).
    void Render(std::span<float> left, std::span<float> right);

private:
    struct Parts;
    explicit EmbeddedSynth(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> m_parts;
};

} // namespace velmar::host
