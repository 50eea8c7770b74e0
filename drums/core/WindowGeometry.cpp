#include "drums/core/WindowGeometry.h"

#include "drums/core/RoundHalfEven.h"

#include <algorithm>

namespace velmar::drums {

namespace {

constexpr int kFullWidth = 600;
constexpr int kHalfWidth = 300;
constexpr int kQuarterWidth = 150;

// Keep this much of the window within the screen.
constexpr int kScreenMargin = 10;
constexpr int kVisibleEdge = 20;

int widthAt(double scale)
{
    return RoundHalfEven(scale * kKitWidth);
}

int heightAt(double scale)
{
    return RoundHalfEven(scale * kKitHeight + kPanelTop);
}

double scaleForHeight(int clientHeight)
{
    return static_cast<double>(clientHeight - kPanelTop) / kKitHeight;
}

double scaleForWidth(int clientWidth)
{
    return static_cast<double>(clientWidth) / kKitWidth;
}

ZoomedClient both(double scale)
{
    return {scale, heightAt(scale), widthAt(scale)};
}

ZoomedClient zoom(QSize client, QSize last, QSize screen)
{
    const double sx = scaleForWidth(client.width());
    const double sy = scaleForHeight(client.height());
    const bool widthChanged = client.width() != last.width();
    const bool heightChanged = client.height() != last.height();
    const double largest = std::min(scaleForWidth(screen.width()), scaleForHeight(screen.height()));

    if (widthChanged && heightChanged) {
        double scale = (sx + sy) / 2;
        if (client.width() > last.width() && client.height() > last.height())
            scale = std::max(sx, sy);
        else if (client.width() < last.width() && client.height() < last.height())
            scale = std::min(sx, sy);
        if (widthAt(scale) > screen.width() || heightAt(scale) > screen.height())
            scale = largest;
        return both(scale);
    }
    if (widthChanged) {
        if (heightAt(sx) > screen.height())
            return both(scaleForHeight(screen.height()));
        return {sx, heightAt(sx), std::nullopt};
    }
    if (widthAt(sy) > screen.width())
        return both(scaleForWidth(screen.width()));
    return {sy, std::nullopt, widthAt(sy)};
}

} // namespace

std::optional<int> FixedClientWidth(int windowSize)
{
    switch (windowSize) {
    case 1:
        return kFullWidth;
    case 2:
        return kHalfWidth;
    case 3:
        return kQuarterWidth;
    default:
        return std::nullopt;
    }
}

ZoomedClient ZoomToClient(QSize client, QSize last, QSize screen)
{
    const ZoomedClient zoomed = zoom(client, last, screen);
    if (zoomed.Scale >= kLeastScale)
        return zoomed;
    return both(kLeastScale);
}

void RememberClientSize(KettraSettings& settings, QSize client)
{
    const int width = client.width();
    if (width == kFullWidth || width == kHalfWidth || width == kQuarterWidth)
        return;
    settings.ClientHeight = static_cast<std::int16_t>(client.height());
    settings.ClientWidth = static_cast<std::int16_t>(width);
    settings.WindowSize = 0;
}

QSize PanelSize(double scale)
{
    return ScaledPictureSize({kKitWidth, kKitHeight}, scale);
}

QSize ScaledPictureSize(QSize size, double scale)
{
    return {RoundHalfEven(size.width() * scale), RoundHalfEven(size.height() * scale)};
}

int TransportPictureWidth(int pictureWidth, int clientWidth)
{
    return std::min(pictureWidth, clientWidth);
}

int TransportLeft(int clientWidth, int transportWidth)
{
    return (clientWidth - transportWidth) / 2;
}

QPoint StartPosition(QPoint saved, QSize frame, const QRect& screen)
{
    // The rules count from the screen's top left corner.
    const QPoint position = saved - screen.topLeft();
    int left = std::max(position.x(), 1);
    int top = std::max(position.y(), 1);
    if (screen.width() < frame.width() + left)
        left = std::max(screen.width() - frame.width(), 1);
    if (screen.height() < frame.height() + top)
        top = std::max(screen.height() - frame.height(), 1);
    return QPoint(left, top) + screen.topLeft();
}

QRect KeepOnScreen(QRect frame, const QRect& screen)
{
    // The rules count from the screen's top left corner.
    QRect window = frame.translated(-screen.topLeft());
    if (screen.width() - kScreenMargin < window.width())
        window.setWidth(screen.width() - kScreenMargin);
    if (screen.height() - kScreenMargin < window.height())
        window.setHeight(screen.height() - kScreenMargin);
    if (window.top() > screen.height() - kVisibleEdge)
        window.moveTop(screen.height() - kVisibleEdge);
    if (window.left() > screen.width() - kVisibleEdge)
        window.moveLeft(screen.width() - kVisibleEdge);
    if (window.top() <= 0)
        window.moveTop(1);
    if (window.left() + window.width() < kVisibleEdge)
        window.moveLeft(kVisibleEdge - window.width());
    return window.translated(screen.topLeft());
}

} // namespace velmar::drums
