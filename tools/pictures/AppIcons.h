#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace velmar::drawing {

// The sizes desktop icon themes look for, in pixels; among them 16, 24 and 32 at one, two
// and three times, for window icons on dense screens.
inline constexpr std::array kAppIconSizes{16, 24, 32, 48, 64, 72, 96, 128, 256};

// The monitor's icon: a small window with its channel lights and rows of events.
[[nodiscard]] QImage drawOstraIcon(int size);

// The drum display's icon: the kit's snare, lit as by a note, beside its hi-hat where there
// is room for both.
[[nodiscard]] QImage drawKettraIcon(int size);

// Writes "<size>x<size>/apps/<program>.png" under `directory` for both programs at every
// size, as an icon theme lays them out. False when a file cannot be written.
bool writeAppIcons(const QString& directory);

} // namespace velmar::drawing
