#pragma once

#include "monitor/core/RowStore.h"

#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmar::monitor {

enum class SearchDirection { Forward, Backward };

struct SearchHit {
    // The place in the searched rows.
    std::size_t Position = 0;
    // The search passed the newest row to the oldest (or, backward, the oldest to the newest).
    bool WentRound = false;
};

// The next of `order` (rows oldest first) any of whose cells holds `text`, ignoring case,
// going round past either end. The search starts after the row at `from`, which is found
// again only when no other row matches; without `from` it starts at the first row the
// direction meets. Nothing for an empty text or when no row matches.
[[nodiscard]] std::optional<SearchHit> FindRow(const RowStore& rows,
                                               std::span<const std::int32_t> order,
                                               QStringView text, std::optional<std::size_t> from,
                                               SearchDirection direction);

} // namespace velmar::monitor
