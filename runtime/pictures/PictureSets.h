#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace velmar {

// Besides its design-size bitmap resources, each program carries its 256-colour pictures
// drawn again two and three times as fine, for screens of several device pixels per pixel
// and for zoomed pictures. The drum kit's pictures, which the window also zooms up to the
// screen's height, come five times as fine too: enough for a screen 2160 device pixels high
// at any zoom. The 16-colour pictures exist at the design size only.
inline constexpr std::array kPictureSetScales{1, 2, 3, 5};
// The finest set of the pictures that are not zoomed with their window: shown at about the
// device pixel ratio (the activity strip grows a little with a larger font), they need no
// more.
inline constexpr int kFinestUnzoomedSetScale = 3;

// The set for a picture shown at `wanted` device pixels per design pixel: the smallest that
// is at least that fine, the finest when none is.
[[nodiscard]] int PictureSetScale(double wanted);

// Where the set of `scale` (2 or finer) keeps picture `name` (an "8" name, in capitals) of
// `module`: ":/pictures/drums/2x/DB8HINT.png".
[[nodiscard]] QString PictureSetPath(QStringView module, int scale, QStringView name);

// A picture of one of the sets, and the size it has in design pixels.
struct SetPicture {
    QImage Image;
    QSize DesignSize;
};

// Picture `name` of `module` from the set for `wanted` (PictureSetScale). Where that set
// lacks it (every 16-colour picture, the unzoomed pictures in the finest set) or holds it at
// any size but the design size times its scale, the next coarser set that has it stands in,
// and last the design-size bitmap resource. Nothing when that is missing too.
[[nodiscard]] std::optional<SetPicture> LoadSetPicture(QStringView name, double wanted,
                                                       QStringView module);

// A size or rectangle of logical pixels in the device pixels of a screen of `ratio` device
// pixels per pixel, each edge rounded: a rectangle covers the same device pixels whichever
// picture or canvas it is taken from.
[[nodiscard]] QSize DeviceSize(QSize size, qreal ratio);
[[nodiscard]] QRect DeviceRect(const QRect& rect, qreal ratio);

// `picture` as shown: `logicalSize` pixels on a screen of `ratio`, so DeviceSize of it in
// device pixels, smoothly scaled unless it already has that size. Drawn at a point, it
// covers `logicalSize`.
[[nodiscard]] QImage ScreenPicture(const SetPicture& picture, QSize logicalSize, qreal ratio);

} // namespace velmar
