#include "monitor/core/MidiFileExport.h"

#include "monitor/core/SysExDump.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>
#include <memory>
#include <smf.h>
#include <vector>

namespace velmar::monitor {

namespace {

struct SmfDeleter {
    void operator()(smf_t* smf) const { smf_delete(smf); }
};
using SmfPointer = std::unique_ptr<smf_t, SmfDeleter>;

// Ticks from the oldest event: a millisecond each, going on from the event before where the
// clock started again.
class TickClock {
public:
    int ticksAt(std::int32_t timeMs)
    {
        if (m_started) {
            const std::int64_t step = timeMs >= m_lastMs ? std::int64_t{timeMs} - m_lastMs
                                                         : std::max<std::int64_t>(timeMs, 0);
            m_ticks = std::min<std::int64_t>(m_ticks + step, std::numeric_limits<int>::max());
        }
        m_started = true;
        m_lastMs = timeMs;
        return static_cast<int>(m_ticks);
    }

private:
    bool m_started = false;
    std::int32_t m_lastMs = 0;
    std::int64_t m_ticks = 0;
};

// The bytes of a channel message; nothing for any other message or for data bytes that are
// none.
std::optional<std::vector<std::uint8_t>> channelMessage(const RowEvent& event)
{
    if (event.status < 0x80 || event.status >= 0xF0 || event.data1 >= 0x80 || event.data2 >= 0x80)
        return std::nullopt;
    const bool oneDataByte = (event.status & 0xE0U) == 0xC0U; // program, channel pressure
    if (oneDataByte)
        return std::vector<std::uint8_t>{event.status, event.data1};
    return std::vector<std::uint8_t>{event.status, event.data1, event.data2};
}

bool add(smf_track_t* track, std::vector<std::uint8_t> bytes, int ticks)
{
    smf_event_t* event = smf_event_new_from_pointer(bytes.data(), static_cast<int>(bytes.size()));
    if (event == nullptr)
        return false;
    smf_track_add_event_pulses(track, event, ticks);
    return true;
}

// The library writes only to a path: the file is made in a folder of its own and read back,
// so the caller can replace the chosen file as a whole.
std::optional<std::string> fileBytes(smf_t* smf)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return std::nullopt;
    const std::string path =
        QFile::encodeName(folder.filePath(QStringLiteral("export.mid"))).toStdString();
    if (smf_save(smf, path.c_str()) != 0)
        return std::nullopt;
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll().toStdString();
}

} // namespace

std::optional<MidiFileExport> ExportMidiFile(const RowStore& rows,
                                             std::span<const std::int32_t> order)
{
    const SmfPointer smf(smf_new());
    if (!smf || smf_set_ppqn(smf.get(), kTicksPerQuarter) != 0)
        return std::nullopt;
    smf_track_t* track = smf_track_new();
    if (track == nullptr)
        return std::nullopt;
    smf_add_track(smf.get(), track); // the file owns it from here
    if (smf_set_format(smf.get(), 0) != 0)
        return std::nullopt;
    constexpr std::uint32_t us = kMicrosecondsPerQuarter;
    if (!add(track,
             {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(us >> 16U),
              static_cast<std::uint8_t>(us >> 8U), static_cast<std::uint8_t>(us)},
             0))
        return std::nullopt;

    MidiFileExport result;
    const std::vector<DisplayedDump> dumps = DumpsOnDisplay(rows, order);
    auto nextDump = dumps.begin();
    TickClock clock;
    for (std::size_t position = 0; position < order.size(); ++position) {
        const RowEvent& event = rows.Event(order[position]);
        std::optional<std::vector<std::uint8_t>> bytes;
        if (nextDump != dumps.end() && position == nextDump->First) {
            if (nextDump->Whole) {
                bytes = std::vector<std::uint8_t>(nextDump->Bytes.size() + 2, 0xF0);
                std::copy(nextDump->Bytes.begin(), nextDump->Bytes.end(), bytes->begin() + 1);
                bytes->back() = 0xF7;
            }
            position = nextDump->Last; // its other rows are the same message
            ++nextDump;
        } else if (event.kind == RowEvent::Kind::Message) {
            bytes = channelMessage(event);
        } else {
            continue;
        }
        const int ticks = clock.ticksAt(event.timeMs);
        if (!bytes) {
            ++result.LeftOut;
            continue;
        }
        if (!add(track, std::move(*bytes), ticks))
            return std::nullopt;
        ++result.Events;
    }
    std::optional<std::string> file = fileBytes(smf.get());
    if (!file)
        return std::nullopt;
    result.Bytes = std::move(*file);
    return result;
}

} // namespace velmar::monitor
