#pragma once

#include <cstdint>
#include <optional>

namespace velmar::host {

// When a korvo that a plug-in started ends: once no plug-in has been there for ten
// seconds, unless the user took it over (chose something in its tray menu).
class IdleExit {
public:
    static constexpr std::uint32_t kGraceMs = 10'000;

    // `armed`: korvo was started by a plug-in; otherwise it never ends by itself.
    explicit IdleExit(bool armed)
        : m_armed(armed)
    {}

    // True when korvo should end now. `plugInsThere`: one is signed in or has a window.
    [[nodiscard]] bool Due(std::uint32_t nowMs, bool plugInsThere);
    void TakenOverByUser() { m_armed = false; }
    [[nodiscard]] bool armed() const { return m_armed; }

private:
    bool m_armed;
    std::optional<std::uint32_t> m_aloneSinceMs;
};

} // namespace velmar::host
