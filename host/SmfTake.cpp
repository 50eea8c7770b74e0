#include "host/SmfTake.h"

#include "host/SmfHandle.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <fstream>
#include <map>
#include <span>
#include <utility>

namespace velmar::host {

namespace {

constexpr int kPulsesPerQuarter = 500;
constexpr std::uint8_t kTempo[] = {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}; // 500000 µs a quarter

// Files hold channel messages, SysEx and meta events only.
bool belongsInFile(PackedMidiMessage message)
{
    return message.status() >= 0x80 && message.status() < 0xF0;
}

class TakeWriter {
public:
    bool begin()
    {
        return m_smf && smf_set_format(m_smf.get(), 1) == 0 &&
               smf_set_ppqn(m_smf.get(), kPulsesPerQuarter) == 0;
    }

    smf_track_t* addTrack()
    {
        SmfTrackPointer track(smf_track_new());
        if (!track)
            return nullptr;
        smf_add_track(m_smf.get(), track.get());
        return track.release();
    }

    bool add(smf_track_t* track, std::span<const std::uint8_t> bytes, std::uint32_t timeMs)
    {
        SmfEventPointer event(smf_event_new_from_pointer(const_cast<std::uint8_t*>(bytes.data()),
                                                         static_cast<int>(bytes.size())));
        if (!event)
            return false;
        smf_track_add_event_pulses(track, event.release(), static_cast<int>(timeMs));
        return true;
    }

    bool add(smf_track_t* track, PackedMidiMessage message, std::uint32_t timeMs)
    {
        const bool oneDataByte = (message.status() & 0xE0U) == 0xC0; // program, pressure
        const std::uint8_t bytes[] = {message.status(), message.data1(), message.data2()};
        return add(track, std::span(bytes, oneDataByte ? 2U : 3U), timeMs);
    }

    bool add(smf_track_t* track, const SongEvent& event)
    {
        if (!event.isSysEx())
            return !belongsInFile(event.message) || add(track, event.message, event.timeMs);
        std::vector<std::uint8_t> bytes{0xF0};
        bytes.insert(bytes.end(), event.sysEx.begin(), event.sysEx.end());
        bytes.push_back(0xF7);
        return add(track, bytes, event.timeMs);
    }

    bool end(smf_track_t* track, std::uint32_t lengthMs)
    {
        return smf_track_add_eot_pulses(track, static_cast<int>(lengthMs)) == 0;
    }

    bool save(const std::string& path)
    {
        // Tried first, so an unwritable path is reported here and not by the library.
        return std::ofstream(path, std::ios::binary).is_open() &&
               smf_save(m_smf.get(), path.c_str()) == 0;
    }

private:
    SmfPointer m_smf{smf_new()};
};

} // namespace

std::string SaveTake(const std::string& path, const Song& song,
                     const std::vector<RecordedEvent>& take)
{
    std::map<std::uint16_t, std::vector<const SongEvent*>> byPort;
    for (const SongEvent& event : song.events)
        byPort[event.port].push_back(&event);
    std::uint32_t lengthMs = song.lengthMs;
    for (const RecordedEvent& event : take)
        lengthMs = std::max(lengthMs, event.timeMs);

    TakeWriter writer;
    smf_track_t* tempo = writer.begin() ? writer.addTrack() : nullptr;
    if (tempo == nullptr || !writer.add(tempo, kTempo, 0) || !writer.end(tempo, lengthMs))
        return "cannot build the file";
    for (const auto& [port, events] : byPort) {
        smf_track_t* track = writer.addTrack();
        const std::uint8_t portPrefix[] = {0xFF, 0x21, 0x01,
                                           static_cast<std::uint8_t>((port + 15U) % 16U)};
        if (track == nullptr || !writer.add(track, portPrefix, 0))
            return "cannot build the file";
        for (const SongEvent* event : events)
            if (!writer.add(track, *event))
                return "cannot build the file";
        if (!writer.end(track, lengthMs))
            return "cannot build the file";
    }
    std::vector<RecordedEvent> ordered(take);
    std::stable_sort(
        ordered.begin(), ordered.end(),
        [](const RecordedEvent& a, const RecordedEvent& b) { return a.timeMs < b.timeMs; });
    smf_track_t* takeTrack = writer.addTrack();
    if (takeTrack == nullptr)
        return "cannot build the file";
    for (const RecordedEvent& event : ordered)
        if (belongsInFile(event.message) && !writer.add(takeTrack, event.message, event.timeMs))
            return "cannot build the file";
    if (!writer.end(takeTrack, lengthMs))
        return "cannot build the file";
    if (!writer.save(path))
        return path + ": cannot be written";
    return {};
}

std::string DefaultTakePath()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (directory.isEmpty() || !QDir(directory).exists())
        directory = QDir::homePath();
    const QString name = QStringLiteral("korvo-take-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                         QStringLiteral(".mid");
    return QDir(directory).filePath(name).toStdString();
}

} // namespace velmar::host
