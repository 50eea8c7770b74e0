#include "monitor/ui/MainFormRules.h"

#include "runtime/HostMessages.h"

#include <algorithm>
#include <cmath>

namespace velmar::monitor {

namespace {

constexpr int kGridTop = 84;
constexpr int kGridSpaceAbove = 85;
constexpr std::size_t kSharingColumns = 6; // the last two share what the first six leave
constexpr int kSharedRestAbove = 60;

constexpr int kScreenMargin = 4;
constexpr int kReachable = 20;

} // namespace

int nearest(double x)
{
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<int>(std::nearbyint(x));
}

GridPlacement FormResize(QSize client, double displayScale,
                         const std::array<std::int32_t, kGridColumnCount>& saved)
{
    GridPlacement placement;
    placement.Geometry =
        QRect(0, nearest(displayScale * kGridTop), client.width(),
              std::max(0, client.height() - nearest(displayScale * kGridSpaceAbove)));
    int firstSix = 0;
    for (std::size_t i = 0; i < kGridColumnCount; ++i) {
        placement.ColumnWidths[i] =
            saved[i] != 0 ? saved[i] : nearest(displayScale * kDefaultColumnWidths[i]);
        if (i < kSharingColumns)
            firstSix += placement.ColumnWidths[i];
    }
    const int rest = placement.Geometry.width() - firstSix;
    if (rest > kSharedRestAbove)
        placement.ColumnWidths[6] = placement.ColumnWidths[7] = rest / 2;
    return placement;
}

QRect KeepOnScreen(QRect window, const QRect& screen)
{
    if (screen.width() - kScreenMargin < window.width())
        window.setWidth(screen.width() - kScreenMargin);
    if (screen.height() - kScreenMargin < window.height())
        window.setHeight(screen.height() - kScreenMargin);
    if (window.top() < screen.top() + 1)
        window.moveTop(screen.top() + 1);
    if (window.left() + window.width() < screen.left() + kReachable)
        window.moveLeft(screen.left() + kReachable - window.width());
    if (window.left() > screen.left() + screen.width() - kReachable)
        window.moveLeft(screen.left() + screen.width() - kReachable);
    if (window.top() > screen.top() + screen.height() - kReachable)
        window.moveTop(screen.top() + screen.height() - kReachable);
    return window;
}

std::uint8_t HostWindowModeOf(platform::LRESULT reply)
{
    return reply == HostWindowModeBare ? 0 : 1;
}

bool MinimizeOnDeactivate(const OstraSettings& settings, std::uint8_t hostWindowMode)
{
    return settings.AlwaysOnTop == 0 && hostWindowMode == 0;
}

} // namespace velmar::monitor
