#pragma once

#include "runtime/HostLinkBlock.h"
#include "runtime/SharedMemory.h"
#include "runtime/link/HostWindowSearch.h"
#include "runtime/link/WaitPumping.h"
#include "runtime/platform/Windows.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace velmar {

class LinkPrompts;

// What HostLink takes from around it. standard() gives the real clock and event loop, the
// platform's program start and the link record's usual place; tests start from it and
// replace what they need to.
struct LinkContext {
    MillisecondClock clock;
    MessagePumping pump;
    // Starts the program at the path; 32 or more when it started.
    std::function<int(std::string_view path)> launch;
    std::function<std::string()> linkIniPath;

    [[nodiscard]] static LinkContext standard();
};

// A plug-in's link to its host. It creates (or joins) the host link block at once; the first
// read of MainWinHandle() finds the host's main window, starting the host when it does not
// run and asking the user for its program when it cannot be found, and signs in. The
// destructor signs off.
//
// The plug-in's main window endpoint must exist before MainWinHandle() is first read: the
// host finds the plug-in's window through the process that signed in.
class HostLink {
public:
    static constexpr QStringView kDefaultExeName = u"KORVO.EXE";
    static constexpr std::string_view kBlockName = "KorvoExeInfo";

    // Throws SharedMemoryError when the host link block cannot be created or joined.
    explicit HostLink(LinkPrompts& prompts, LinkContext context = LinkContext::standard());
    ~HostLink();
    HostLink(const HostLink&) = delete;
    HostLink& operator=(const HostLink&) = delete;

    // To be called once the owner has set ExeName: an empty one becomes "KORVO.EXE".
    void Loaded();

    // ExeName; an empty one becomes "KORVO.EXE" the first time it is asked for.
    [[nodiscard]] const QString& GetExeName();
    void SetExeName(QString exeName) { m_exeName = std::move(exeName); }

    // The host's main window, linking first when not linked; 0 when no link could be made.
    // While a link is being made (its waits handle the program's events), 0 at once.
    [[nodiscard]] platform::HWND MainWinHandle();

    // Tells the host this plug-in leaves; the next MainWinHandle() links anew.
    void SignOff();

    [[nodiscard]] HostLinkBlock& Block() { return m_block; }
    [[nodiscard]] const SharedMemory& Map() const { return *m_map; }

private:
    [[nodiscard]] platform::HWND LinkToHost();
    [[nodiscard]] std::int64_t FindOrStartHost();
    [[nodiscard]] std::int64_t FindStartedHost(const std::string& path, bool launched);
    void WaitPumping(std::uint32_t ms) const;
    void ShowLinkError(const QString& text);

    LinkPrompts& m_prompts;
    LinkContext m_context;
    bool m_exeNameDefaulted = false;
    std::unique_ptr<SharedMemory> m_map;
    platform::HWND m_mainWinHandle = 0;
    HostLinkBlock m_block;
    QString m_exeName;
    HostWindowSearch m_search;
    bool m_linking = false;
};

} // namespace velmar
