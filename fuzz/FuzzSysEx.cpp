// The SysEx area and the positions an F0 and an F7 name, through the monitor's row-text
// formatter: out-of-range positions show no bytes, all others show exactly the bytes from
// the start up to the end (wrapping, the whole area when equal), 16 a row, then the end
// marker, and a full display cuts the dump at a row's end.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "monitor/core/ByteText.h"
#include "monitor/core/EventFormatter.h"
#include "runtime/HostLinkBlock.h"

#include <QString>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace velmar::fuzz {

namespace {

using monitor::GridRow;

constexpr std::size_t kBytesPerRow = 16;
constexpr std::size_t kBytesPerCell = 8;

// Rows for a dump, at most `limit` of them; what the finished rows show in their two data
// columns is kept in order.
class Rows final : public monitor::ContinuationRows {
public:
    explicit Rows(std::size_t limit)
        : m_limit(limit)
    {}

    GridRow& current() { return m_rows[m_current]; }
    [[nodiscard]] std::size_t opened() const { return m_opened; }
    [[nodiscard]] const QString& shown() const { return m_shown; }
    [[nodiscard]] const std::vector<std::uint8_t>& kept() const { return m_kept; }

    void finishCurrent()
    {
        m_shown += current()[monitor::kData1Column].text();
        m_shown += current()[monitor::kData2Column].text();
    }

    GridRow* OpenContinuationRow() override
    {
        if (m_opened == m_limit)
            return nullptr;
        ++m_opened;
        finishCurrent();
        m_current = 1 - m_current;
        for (monitor::GridCell& cell : current())
            cell.clear();
        return &current();
    }

    void KeepDumpBytes(std::span<const std::uint8_t> bytes) override
    {
        m_kept.insert(m_kept.end(), bytes.begin(), bytes.end());
    }

private:
    std::size_t m_limit;
    std::size_t m_opened = 0;
    std::array<GridRow, 2> m_rows{};
    std::size_t m_current = 0;
    QString m_shown;
    std::vector<std::uint8_t> m_kept;
};

std::uint16_t nextPosition(std::uint16_t position)
{
    return position == HostLinkBlock::kLastSysExPosition ? std::uint16_t{0}
                                                         : static_cast<std::uint16_t>(position + 1);
}

// The positions a dump from `start` to `end` shows, by the area's rules.
std::vector<std::uint16_t> dumpPositions(std::uint16_t start, std::uint16_t end)
{
    std::vector<std::uint16_t> positions;
    if (start > HostLinkBlock::kLastSysExPosition || end > HostLinkBlock::kLastSysExPosition)
        return positions;
    std::uint16_t position = start;
    do {
        positions.push_back(position);
        position = nextPosition(position);
    } while (position != end);
    return positions;
}

void checkView(std::vector<std::byte>& block, std::uint16_t start, std::uint16_t end,
               std::size_t expectedSize)
{
    const std::optional<SysExView> view = HostLinkBlock(block.data()).SysEx(start, end);
    if (expectedSize == 0) {
        Require(!view.has_value(), "a position out of range gave bytes");
        return;
    }
    Require(view.has_value() && view->size() == expectedSize, "the dump has the wrong length");
    const std::byte* area = block.data() + HostLinkBlock::kSysExOffset;
    for (const std::span<const std::byte> part : {view->head, view->tail})
        Require(part.empty() || (part.data() >= area &&
                                 part.data() + part.size() <= area + HostLinkBlock::kSysExSize),
                "a dump reaches outside the SysEx area");
}

} // namespace

} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    using namespace velmar::monitor;
    using velmar::HostLinkBlock;
    using velmar::PackedMidiMessage;
    using velmar::RingEvent;

    FuzzInput input({data, size});
    const std::uint8_t config = input.u8();
    const std::uint16_t start = input.u16();
    const std::uint16_t end = input.u16();
    // 0 to 254 rows before the display is full, or (255) rows without end.
    const std::uint8_t rowLimit = input.u8();

    // The rest of the input, over and over, fills the area: any byte can be anywhere.
    std::vector<std::byte> block(HostLinkBlock::kSize);
    const std::span<const std::uint8_t> fill = input.rest();
    if (!fill.empty()) {
        for (std::size_t p = 0; p < HostLinkBlock::kSysExSize; ++p)
            block[HostLinkBlock::kSysExOffset + p] = static_cast<std::byte>(fill[p % fill.size()]);
    }

    OstraSettings settings;
    settings.DecimalEventTypes = (config & 1U) != 0 ? 1 : 0;
    ActivityLights lights;
    EventFormatter formatter(settings, HostLinkBlock(block.data()), lights);
    Rows rows(rowLimit == 0xFF ? std::numeric_limits<std::size_t>::max() : rowLimit);

    const auto positionEvent = [](std::uint8_t status, std::uint16_t position) {
        return RingEvent{0,
                         PackedMidiMessage::pack(status, static_cast<std::uint8_t>(position >> 8U),
                                                 static_cast<std::uint8_t>(position & 0xFFU))};
    };
    Require(formatter.Format(positionEvent(0xF0, start), rows.current(), rows) ==
                EventFormatter::Outcome::RowKeptForNextEvent,
            "an F0 did not keep its row");
    const EventFormatter::Outcome outcome =
        formatter.Format(positionEvent(0xF7, end), rows.current(), rows);

    const std::vector<std::uint16_t> positions = dumpPositions(start, end);
    checkView(block, start, end, positions.size());

    // A row opens after every 16 bytes and once more for the end marker.
    const std::size_t rowsWanted = positions.size() / kBytesPerRow + 1;
    const bool cut = rowsWanted > rows.opened();
    Require(cut == (outcome == EventFormatter::Outcome::DisplayFull),
            "a dump was cut without a full display, or not cut by one");
    // Cut in the bytes, after the last row that had room, or at the end marker.
    const std::size_t bytesShown =
        cut ? std::min((rows.opened() + 1) * kBytesPerRow, positions.size()) : positions.size();
    if (cut)
        rows.finishCurrent();

    const std::string_view prefix = settings.DecimalEventTypes != 0 ? "#" : "$";
    QString expected;
    std::vector<std::uint8_t> expectedBytes;
    for (std::size_t i = 0; i < bytesShown; ++i) {
        if (i % kBytesPerCell == 0)
            expected += QLatin1StringView(prefix);
        const auto byte =
            std::to_integer<std::uint8_t>(block[HostLinkBlock::kSysExOffset + positions[i]]);
        expected += QLatin1StringView(settings.DecimalEventTypes != 0 ? DecByteText(byte)
                                                                      : HexByteText(byte));
        expectedBytes.push_back(byte);
    }
    Require(rows.shown() == expected, "the rows do not show the dump's bytes");
    Require(rows.kept() == expectedBytes, "the rows do not keep the bytes they show");

    if (cut) {
        Require(formatter.SysExReadPos() ==
                    (bytesShown < positions.size() ? positions[bytesShown] : end),
                "a cut dump does not continue where it stopped");
    } else {
        Require(formatter.SysExReadPos() == end, "the next dump does not start at the end");
        const QString marker = QLatin1StringView(settings.DecimalEventTypes != 0 ? "#247" : "$F7");
        Require(rows.current()[kData1Column].text() == marker, "no end marker after the dump");
    }
    return 0;
}
