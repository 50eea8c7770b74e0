#include "host/EmbeddedSynth.h"

#include "host/MidiBytes.h"
#include "host/QuietStderr.h"

#include <algorithm>
#include <fluidsynth.h>

namespace velmar::host {

namespace {

struct FluidDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
    void operator()(fluid_audio_driver_t* driver) const { delete_fluid_audio_driver(driver); }
};

// FluidSynth's own messages would repeat what korvo says once, in its own words.
void quietLog(int, const char*, void*) {}

void silenceLibrary()
{
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, &quietLog, nullptr);
}

} // namespace

// Declared in this order so the driver goes before the synth, and the synth before its
// settings.
struct EmbeddedSynth::Parts {
    std::unique_ptr<fluid_settings_t, FluidDeleter> settings;
    std::unique_ptr<fluid_synth_t, FluidDeleter> synth;
    std::unique_ptr<fluid_audio_driver_t, FluidDeleter> driver;
};

EmbeddedSynth::EmbeddedSynth(std::unique_ptr<Parts> parts)
    : m_parts(std::move(parts))
{}

EmbeddedSynth::~EmbeddedSynth() = default;

std::unique_ptr<EmbeddedSynth> EmbeddedSynth::Create(const std::string& soundFont,
                                                     std::string& error)
{
    silenceLibrary();
    auto parts = std::make_unique<Parts>();
    parts->settings.reset(new_fluid_settings());
    if (parts->settings) {
        // Samples load as presets are chosen, on the caller's thread: quicker to start, and
        // no loader threads of the library's own.
        fluid_settings_setint(parts->settings.get(), "synth.dynamic-sample-loading", 1);
        parts->synth.reset(new_fluid_synth(parts->settings.get()));
    }
    if (!parts->synth) {
        error = "the synthesizer could not be made";
        return nullptr;
    }
    if (fluid_synth_sfload(parts->synth.get(), soundFont.c_str(), 1) == FLUID_FAILED) {
        error = "no General MIDI SoundFont at " + soundFont;
        return nullptr;
    }
    return std::unique_ptr<EmbeddedSynth>(new EmbeddedSynth(std::move(parts)));
}

bool EmbeddedSynth::StartAudio()
{
    const QuietStderr quiet; // the sound system's own complaints when there is no device
    m_parts->driver.reset(new_fluid_audio_driver(m_parts->settings.get(), m_parts->synth.get()));
    return m_parts->driver != nullptr;
}

void EmbeddedSynth::Send(std::span<const std::uint8_t> bytes)
{
    fluid_synth_t* synth = m_parts->synth.get();
    const MidiBytes read = ReadMidiBytes(bytes);
    if (read.kind == MidiBytes::Kind::SysEx) {
        fluid_synth_sysex(synth, reinterpret_cast<const char*>(read.sysEx.data()),
                          static_cast<int>(read.sysEx.size()), nullptr, nullptr, nullptr, 0);
        return;
    }
    const int status = read.message.status();
    const int channel = status & 0x0F;
    const int data1 = read.message.data1();
    const int data2 = read.message.data2();
    if (read.kind != MidiBytes::Kind::Short || status >= 0xF0)
        return;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, data1);
        break;
    case 0x90:
        fluid_synth_noteon(synth, channel, data1, data2); // velocity 0 ends the note
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, data1, data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, data1);
        break;
    default:
        fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    }
}

void EmbeddedSynth::Render(std::span<float> left, std::span<float> right)
{
    fluid_synth_write_float(m_parts->synth.get(),
                            static_cast<int>(std::min(left.size(), right.size())), left.data(), 0,
                            1, right.data(), 0, 1);
}

} // namespace velmar::host
