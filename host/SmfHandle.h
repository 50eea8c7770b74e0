#pragma once

#include <memory>
#include <smf.h>

namespace velmar::host {

// Owners of the file library's objects. A track or an event belongs to its file once it
// is added to it; until then it is freed on its own.
struct SmfDeleter {
    void operator()(smf_t* smf) const { smf_delete(smf); }
    void operator()(smf_track_t* track) const { smf_track_delete(track); }
    void operator()(smf_event_t* event) const { smf_event_delete(event); }
};
using SmfPointer = std::unique_ptr<smf_t, SmfDeleter>;
using SmfTrackPointer = std::unique_ptr<smf_track_t, SmfDeleter>;
using SmfEventPointer = std::unique_ptr<smf_event_t, SmfDeleter>;

} // namespace velmar::host
