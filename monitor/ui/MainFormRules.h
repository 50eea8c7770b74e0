#pragma once

#include "monitor/core/OstraSettings.h"
#include "runtime/platform/Windows.h"

#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

namespace velmar::monitor {

// The main window's placement rules, apart from the widgets that follow them.

// x to the nearest integer, a half going to the even neighbour.
[[nodiscard]] int nearest(double x);

// The grid's columns when the settings keep no width of their own, before scaling.
inline constexpr std::array<int, kGridColumnCount> kDefaultColumnWidths = {37,  55, 39,  50,
                                                                           122, 32, 168, 168};
inline constexpr int kDesignRowHeight = 16;

struct GridPlacement {
    QRect Geometry;
    std::array<int, kGridColumnCount> ColumnWidths{};
};

// Where the grid goes in a client area of `client` and how wide its columns are: under the
// controls and as wide as the window; a column takes its saved width, or its built-in one
// scaled; when the first six leave more than 60 pixels of the grid, the last two share them.
[[nodiscard]] GridPlacement FormResize(QSize client, double displayScale,
                                       const std::array<std::int32_t, kGridColumnCount>& saved);

// The window moved and cut back so that it stays on `screen`: never wider or higher than the
// screen less 4 pixels, its top at least 1 pixel down, at least 20 pixels of it reachable
// from the left and right, its top at least 20 pixels above the bottom.
[[nodiscard]] QRect KeepOnScreen(QRect window, const QRect& screen);

// The window mode the host's answer chooses: 0 (no border icons) for its "bare" answer,
// 1 for any other.
[[nodiscard]] std::uint8_t HostWindowModeOf(platform::LRESULT reply);

// Whether the monitor gets out of the way when another program is activated: only a
// bare window that does not stay on top does.
[[nodiscard]] bool MinimizeOnDeactivate(const OstraSettings& settings, std::uint8_t hostWindowMode);

} // namespace velmar::monitor
