#pragma once

#include <QImage>

namespace velmar::drawing {

// What korvo's tray icon shows besides itself.
enum class KorvoTrayState { Stopped, Playing, Recording };

// korvo's tray icon: a MIDI socket (five pins in an arc), with a green play mark while the
// song plays and a red dot while it records.
[[nodiscard]] QImage drawKorvoTrayIcon(int size, KorvoTrayState state);

} // namespace velmar::drawing
