#include "monitor/core/EventFormatter.h"

#include "monitor/core/ByteText.h"

#include <array>
#include <cctype>
#include <charconv>

namespace velmar::monitor {

namespace {

constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::size_t kSysExBytesPerCell = 8;

// Plain decimal, as the pitch bend and song position values are shown.
void appendDecimal(GridCell& cell, long value)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.begin(), digits.end(), value);
    cell += std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
}

// How many of the message's bytes the Raw column shows; 0 for the two SysEx markers,
// whose rows show the dump instead.
std::size_t rawByteCount(std::uint8_t status)
{
    if (status < 0x80)
        return 3; // not a status byte: everything there is
    if (status < 0xF0)
        return status >= 0xC0 && status < 0xE0 ? 2 : 3;
    switch (status) {
    case kSysExStart:
    case kSysExEnd:
        return 0;
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
    case 0xF4:
    case 0xF5:
        return 3;
    default:
        return 1;
    }
}

std::uint16_t nextSysExPosition(std::uint16_t position)
{
    return position >= HostLinkBlock::kLastSysExPosition
               ? std::uint16_t{0}
               : static_cast<std::uint16_t>(position + 1U);
}

} // namespace

EventFormatter::EventFormatter(const OstraSettings& settings, HostLinkBlock block,
                               ActivityLights& lights)
    : m_settings(settings)
    , m_block(block)
    , m_lights(lights)
{}

EventFormatter::Outcome EventFormatter::Format(const RingEvent& event, GridRow& row,
                                               ContinuationRows& more)
{
    const std::uint8_t status = event.Message.status();
    const std::uint8_t data1 = event.Message.data1();
    const std::uint8_t data2 = event.Message.data2();

    const std::array<std::uint8_t, 3> bytes = {status, data1, data2};
    for (std::size_t i = 0; i < rawByteCount(status); ++i)
        appendRaw(row[kRawColumn], bytes[i]);

    if (status < 0x80) {
        row[kStatusColumn] += m_texts.Undefined;
        return Outcome::Written;
    }
    if (status < 0xF0) {
        formatChannelMessage(status, data1, data2, row);
        return Outcome::Written;
    }
    if (status == kSysExStart) {
        m_sysExReadPos = HostLinkBlock::SysExPosition(event.Message);
        return Outcome::RowKeptForNextEvent;
    }
    if (status == kSysExEnd) {
        m_sysExEndPos = HostLinkBlock::SysExPosition(event.Message);
        return dumpSysEx(row, more);
    }
    formatSystemMessage(status, data1, data2, row);
    return Outcome::Written;
}

void EventFormatter::formatChannelMessage(std::uint8_t status, std::uint8_t data1,
                                          std::uint8_t data2, GridRow& row)
{
    const std::size_t kind = EventTypeIndex(status);
    const std::uint8_t channel = status & 0x0FU;
    row[kStatusColumn] +=
        m_settings.DecimalEventTypes != 0 ? m_texts.KindDecimal[kind] : m_texts.KindHex[kind];
    appendChannel(row[kChannelColumn], channel);

    GridCell& first = row[kData1Column];
    GridCell& second = row[kData2Column];
    switch (kind) {
    case 0: // note off
    case 1: // note on
    case 2: // poly pressure
        first += m_texts.Pitch;
        first += NoteNameText(data1);
        appendValue(first, data1);
        second += kind == 2 ? m_texts.PolyPressure : m_texts.Velocity;
        appendValue(second, data2);
        break;
    case 3: { // control change
        first += m_texts.CcType;
        const auto& names =
            m_settings.DecimalData != 0 ? m_texts.ControllerDecimal : m_texts.ControllerHex;
        first += data1 < names.size() ? names[data1] : m_texts.Undefined;
        second += m_texts.CcValue;
        appendValue(second, data2);
        break;
    }
    case 4: // program change
        first += m_texts.Program;
        appendValue(first, m_settings.OneBasedPrograms != 0 ? data1 + 1U : data1);
        break;
    case 5: // channel pressure
        first += m_texts.Pressure;
        appendValue(first, data1);
        break;
    default: // pitch bend, low byte first
        first += m_texts.Bend;
        if (m_settings.DecimalData != 0)
            appendDecimal(first, data1 + 128L * data2 - 8192L);
        else
            appendTwoBytes(first, data1, data2);
        break;
    }
    m_lights.LightChannel(kind <= 1 ? kNoteOnLights : kOtherLights, channel);
}

void EventFormatter::formatSystemMessage(std::uint8_t status, std::uint8_t data1,
                                         std::uint8_t data2, GridRow& row)
{
    row[kStatusColumn] += m_texts.SystemNames[status - 0xF0U];
    GridCell& first = row[kData1Column];
    switch (status) {
    case 0xF1: // MTC quarter frame: message number and value
        first += m_texts.MtcNumber;
        appendValue(first, data1 >> 4U);
        row[kData2Column] += m_texts.MtcValue;
        appendValue(row[kData2Column], data1 & 0x0FU);
        break;
    case 0xF2: // song position, in clocks of 24 per quarter note
        first += m_texts.Clocks;
        if (m_settings.DecimalData != 0)
            appendDecimal(first, (data1 + 128L * data2) * 6L);
        else
            appendTwoBytes(first, data1, data2);
        break;
    case 0xF3:
        first += m_texts.SongNumber;
        appendValue(first, data1);
        break;
    default:
        break;
    }
}

EventFormatter::Outcome EventFormatter::dumpSysEx(GridRow& row, ContinuationRows& more)
{
    row[kStatusColumn] += m_texts.SystemNames[0];
    const std::string_view prefix = m_settings.DecimalEventTypes != 0 ? "#" : "$";

    // Positions out of the area name no bytes: the dump shows none.
    const SysExView dump = m_block.SysEx(m_sysExReadPos, m_sysExEndPos).value_or(SysExView{});
    GridRow* current = &row;
    std::size_t inRow = 0;
    // The row's bytes are kept as they are read, the same instant their texts are written.
    std::array<std::uint8_t, 2 * kSysExBytesPerCell> rowBytes{};
    std::uint16_t position = m_sysExReadPos;
    for (const std::span<const std::byte> part : {dump.head, dump.tail}) {
        for (const std::byte byte : part) {
            GridCell& cell = (*current)[inRow < kSysExBytesPerCell ? kData1Column : kData2Column];
            if (inRow % kSysExBytesPerCell == 0)
                cell += prefix;
            rowBytes[inRow] = std::to_integer<std::uint8_t>(byte);
            appendRaw(cell, rowBytes[inRow]);
            position = nextSysExPosition(position);
            if (++inRow == 2 * kSysExBytesPerCell) {
                more.KeepDumpBytes(rowBytes);
                inRow = 0;
                m_sysExReadPos = position;
                current = more.OpenContinuationRow();
                if (current == nullptr)
                    return Outcome::DisplayFull;
            }
        }
    }
    more.KeepDumpBytes(std::span(rowBytes.data(), inRow));
    m_sysExReadPos = m_sysExEndPos;

    current = more.OpenContinuationRow();
    if (current == nullptr)
        return Outcome::DisplayFull;
    (*current)[kStatusColumn] += m_texts.SystemNames[kSysExEnd - 0xF0U];
    (*current)[kData1Column] += m_settings.DecimalEventTypes != 0 ? "#247" : "$F7";
    return Outcome::Written;
}

void EventFormatter::appendRaw(GridCell& cell, std::uint8_t value) const
{
    cell += m_settings.DecimalEventTypes != 0 ? DecByteText(value) : HexByteText(value);
}

void EventFormatter::appendValue(GridCell& cell, unsigned value) const
{
    const bool decimal = m_settings.DecimalData != 0;
    if (!decimal)
        cell += " $";
    if (value <= 0xFFU) {
        cell += decimal ? DecByteText(static_cast<std::uint8_t>(value))
                        : HexByteText(static_cast<std::uint8_t>(value));
        return;
    }
    // Program 256, one-based, of a data byte that is none: past the tables' end.
    std::array<char, 12> digits{};
    const auto result = std::to_chars(digits.begin(), digits.end(), value, decimal ? 10 : 16);
    for (char* digit = digits.data(); digit != result.ptr; ++digit)
        *digit = static_cast<char>(std::toupper(static_cast<unsigned char>(*digit)));
    cell += std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
    cell += " ";
}

void EventFormatter::appendChannel(GridCell& cell, std::uint8_t channel) const
{
    const auto shown =
        static_cast<std::uint8_t>(channel + (m_settings.OneBasedChannels != 0 ? 1 : 0));
    if (m_settings.DecimalChannels != 0) {
        cell += DecByteText(shown);
        return;
    }
    cell += "$";
    cell += HexByteText(shown);
}

void EventFormatter::appendTwoBytes(GridCell& cell, std::uint8_t low, std::uint8_t high) const
{
    cell += " $";
    cell += HexByteText(low);
    cell += HexByteText(high);
}

} // namespace velmar::monitor
