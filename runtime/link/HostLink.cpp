#include "runtime/link/HostLink.h"

#include "runtime/HostMessages.h"
#include "runtime/link/LinkIni.h"
#include "runtime/link/LinkMessages.h"
#include "runtime/link/LinkPrompts.h"
#include "runtime/platform/Clock.h"
#include "runtime/platform/Processes.h"

#include <QScopedValueRollback>

namespace velmar {

namespace {

// FindOrStartHost's answers besides a window.
constexpr std::int64_t kHostNotFound = -1;
constexpr std::int64_t kLinkErrorShown = -2;

constexpr int kLaunched = 32; // the least WinExec result that means started
constexpr std::uint32_t kStartUpWaitMs = 3000;
constexpr std::uint32_t kSettleWaitMs = 1500;

// Where the host is installed by default; tried only for the exact default name.
constexpr char kDefaultHostDirectory[] = "C:\\Korvo\\";

} // namespace

LinkContext LinkContext::standard()
{
    return {
        .clock = &platform::timeGetTime,
        .pump = &PumpMessages,
        .launch =
            [](std::string_view path) { return platform::WinExec(path, platform::kShowNormal); },
        .linkIniPath = &LinkIniPath,
    };
}

HostLink::HostLink(LinkPrompts& prompts, LinkContext context)
    : m_prompts(prompts)
    , m_context(std::move(context))
    , m_map(SharedMemory::Create(std::string(kBlockName),
                                 static_cast<std::int32_t>(HostLinkBlock::kSize)))
    , m_block(m_map->Data())
{}

HostLink::~HostLink()
{
    SignOff();
}

void HostLink::Loaded()
{
    if (m_exeName.isEmpty())
        m_exeName = kDefaultExeName.toString();
}

const QString& HostLink::GetExeName()
{
    if (m_exeName.isEmpty() && !m_exeNameDefaulted) {
        m_exeName = kDefaultExeName.toString();
        m_exeNameDefaulted = true;
    }
    return m_exeName;
}

platform::HWND HostLink::MainWinHandle()
{
    // A handler run by a wait of the link must not start a second one.
    if (m_linking)
        return 0;
    if (m_mainWinHandle != 0)
        return m_mainWinHandle;
    const QScopedValueRollback linking(m_linking, true);
    return LinkToHost();
}

void HostLink::SignOff()
{
    if (m_mainWinHandle == 0)
        return;
    (void)platform::SendMessageA(m_mainWinHandle, HostCmdSignOff, 0, 0);
    m_mainWinHandle = 0;
}

platform::HWND HostLink::LinkToHost()
{
    const std::string linkIniPath = m_context.linkIniPath();
    if (QString recorded = ReadLinkIni(linkIniPath); !recorded.isEmpty())
        m_exeName = std::move(recorded);

    std::int64_t found = 0;
    bool cancelled = false;
    do {
        found = FindOrStartHost();
        if (found < 0) {
            const HostProgramReason reason = found == kLinkErrorShown ? HostProgramReason::LinkError
                                                                      : HostProgramReason::NotFound;
            if (std::optional<QString> chosen = m_prompts.ChooseHostProgram(GetExeName(), reason)) {
                m_exeName = std::move(*chosen);
                WriteLinkIni(linkIniPath, m_exeName);
            } else {
                cancelled = true;
            }
        }
    } while (found < 0 && !cancelled);
    if (found <= 0)
        return 0;

    const auto window = static_cast<platform::HWND>(found);
    m_mainWinHandle = window;
    if (platform::SendMessageA(window, HostCmdSignIn, 0, m_map->Handle()) == HostSignInAccepted)
        return window;
    ShowLinkError(SignInFailedText(m_exeName));
    m_mainWinHandle = 0;
    return 0;
}

std::int64_t HostLink::FindOrStartHost()
{
    m_mainWinHandle = 0;
    if (GetExeName().isEmpty())
        m_exeName = kDefaultExeName.toString();
    m_search.ResetHostProcessFound();
    const std::string path = m_exeName.toStdString();

    std::int64_t window = m_search.FindHostWindow(path);
    if (window == 0 && m_search.HostProcessFound()) {
        ShowLinkError(NotLinkableText(m_exeName));
        return kLinkErrorShown;
    }
    bool launched = false;
    if (window == 0) {
        launched = m_context.launch(path) >= kLaunched;
        WaitPumping(kStartUpWaitMs);
        window = FindStartedHost(path, launched);
    }
    // Compared as given: a name in other case or with a directory is not the default.
    if (window == 0 && !launched && m_exeName == kDefaultExeName) {
        const std::string installed = kDefaultHostDirectory + path;
        launched = m_context.launch(installed) >= kLaunched;
        // A host just started needs the same time to come up as above.
        if (launched)
            WaitPumping(kStartUpWaitMs);
        window = FindStartedHost(installed, launched);
    }
    if (window == 0 && m_search.HostProcessFound()) {
        ShowLinkError(NotLinkableText(m_exeName));
        return kLinkErrorShown;
    }
    if (window == 0 && !launched)
        return kHostNotFound;
    return window;
}

std::int64_t HostLink::FindStartedHost(const std::string& path, bool launched)
{
    std::int64_t window = m_search.FindHostWindow(path);
    if (window == 0 && launched && !m_search.HostProcessFound()) {
        ShowLinkError(WindowNotFoundText(m_exeName));
        return kLinkErrorShown;
    }
    // A host that has just opened its window gets time to finish starting.
    if (window > 0 && launched)
        WaitPumping(kSettleWaitMs);
    return window;
}

void HostLink::WaitPumping(std::uint32_t ms) const
{
    velmar::WaitPumping(ms, m_context.clock, m_context.pump);
}

void HostLink::ShowLinkError(const QString& text)
{
    m_prompts.ShowLinkError(text);
}

} // namespace velmar
