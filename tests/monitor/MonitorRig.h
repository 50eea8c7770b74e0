#pragma once

#include "host/HostRingWriter.h"
#include "monitor/core/EventIntake.h"
#include "tests/support/PrintQString.h"

#include <QAbstractItemModelTester>
#include <QString>

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <vector>

namespace velmar::monitor::test {

// A clock the test moves.
class ManualClock final : public MonitorClock {
public:
    std::uint32_t now = 5000;

    [[nodiscard]] std::uint32_t timeGetTime() override { return now; }
};

// A host link block in memory that the host's own ring writer fills, and the monitor's
// core reading it into a grid model that is checked on every change.
class MonitorRig {
public:
    explicit MonitorRig(const OstraSettings& initial = {});

    // Puts one event into the ring.
    void Send(std::uint8_t status, std::uint8_t data1 = 0, std::uint8_t data2 = 0,
              std::uint16_t source = 0);
    // Puts a SysEx message into the ring the way the host does.
    void SendSysEx(std::span<const std::uint8_t> bytes, std::uint16_t source = 0);
    // Places bytes in the SysEx area from `start`, wrapping after position 64000, and
    // sends an F0 and an F7 naming `start` and the position after the last byte.
    void SendSysExAt(std::uint16_t start, std::span<const std::uint8_t> bytes);

    // A pass whose rows the grid's views hear of at once.
    IdleResult Pass();

    [[nodiscard]] QString Cell(std::int32_t row, std::size_t column) const;
    // Columns 3 to 7: Raw, Status, Chan, Data 1, Data 2.
    [[nodiscard]] std::vector<QString> Shown(std::int32_t row) const;
    [[nodiscard]] bool RowEmpty(std::int32_t row) const;

    std::vector<std::byte> block = std::vector<std::byte>(HostLinkBlock::kSize);
    OstraSettings settings;
    ManualClock clock;
    EventGridModel grid{1};
    QAbstractItemModelTester tester{&grid, QAbstractItemModelTester::FailureReportingMode::Fatal};
    host::HostRingWriter writer{block.data()};
    EventIntake intake{HostLinkBlock(block.data()), settings, grid, clock};
};

} // namespace velmar::monitor::test
