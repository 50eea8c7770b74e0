#pragma once

#include "runtime/link/HostLink.h"

#include <functional>
#include <string>

namespace velmar::drums {

// What the drum window takes from around it. Standard() gives the program's own; tests
// give directories of their own and a display of their choice.
struct KettraContext {
    // The program's directory (language, settings file, help) and the per-user one that
    // takes the files when the program's directory cannot be written.
    std::string ExeDir;
    std::string WindowsDir;
    LinkContext Link;
    // The display's colour count now; asked at start-up, at every idle pass and by the
    // settings dialog.
    std::function<int()> DisplayColorCount;
    // Whether a key's native scan code is its xkb keycode, which tells its place on the
    // keyboard whatever the layout (X11, Wayland).
    bool KeyPlacesKnown = false;

    [[nodiscard]] static KettraContext Standard();
};

} // namespace velmar::drums
