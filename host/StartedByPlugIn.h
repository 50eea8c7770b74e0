#pragma once

namespace velmar::host {

// Whether this korvo was started the way a plug-in starts its host: detached into a
// session of its own whose leader has already ended, with no terminal. A korvo started
// from a shell, a menu or a service is not.
[[nodiscard]] bool StartedByPlugIn();

} // namespace velmar::host
