#pragma once

#include "drums/core/KettraSettings.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace velmar::drums {

// The kit pictures at Scale 1.0, and the strip above the panel that holds the transport
// bar and the hint line.
inline constexpr int kKitWidth = 600;
inline constexpr int kKitHeight = 400;
inline constexpr int kPanelTop = 32;

// A window smaller than this Scale would have a kit of almost no pixels, or none: the
// height left for it can even be negative.
inline constexpr double kLeastScale = 0.1;

// The client width of window sizes 1 (full), 2 (half) and 3 (quarter); nothing for the
// free size.
[[nodiscard]] std::optional<int> FixedClientWidth(int windowSize);

// What the resize rule makes of a new client size: the kit's Scale, and the client height
// and then the client width to set, each only when it has to change.
struct ZoomedClient {
    double Scale = 1.0;
    std::optional<int> Height;
    std::optional<int> Width;
};

// Keeps the client area at 600·Scale × (400·Scale + 32) after the user resized the window
// from `last` to `client`: what changed decides the Scale, and the screen bounds it.
[[nodiscard]] ZoomedClient ZoomToClient(QSize client, QSize last, QSize screen);

// After a resize: a client width other than the three fixed ones is the free size, which
// the settings remember.
void RememberClientSize(KettraSettings& settings, QSize client);

// The kit panel, and a picture of `size` pixels at Scale 1.0, at `scale`.
[[nodiscard]] QSize PanelSize(double scale);
[[nodiscard]] QSize ScaledPictureSize(QSize size, double scale);

// The transport bar keeps its pictures' height and is squeezed into a narrower client.
[[nodiscard]] int TransportPictureWidth(int pictureWidth, int clientWidth);
[[nodiscard]] int TransportLeft(int clientWidth, int transportWidth);

// Where the window starts: the saved position, at least 1, moved in so that the window
// fits on `screen` where it can.
[[nodiscard]] QPoint StartPosition(QPoint saved, QSize frame, const QRect& screen);

// The window's frame after the idle check: no wider or higher than the screen less 10, its
// top edge on the screen, and at least 20 pixels of it within the screen's left and right
// edges.
[[nodiscard]] QRect KeepOnScreen(QRect frame, const QRect& screen);

} // namespace velmar::drums
