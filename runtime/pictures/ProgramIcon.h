#pragma once

#include <QIcon>
#include <QStringView>

namespace velmar {

// The program's icon as its module (PictureModules.h) embeds it, one drawing for each size
// it comes in, so that a window or tray icon on a dense screen takes a drawing of its own
// device pixels. Without any, a null icon.
[[nodiscard]] QIcon ProgramIcon(QStringView module);

} // namespace velmar
