#include "drums/core/TransportBar.h"

#include "drums/core/VirtualKeys.h"
#include "drums/core/WindowGeometry.h"
#include "runtime/HostMessages.h"

namespace velmar::drums {

namespace {

constexpr int kStrips = 8;
constexpr std::uint16_t kGeneralHint = 3772;

} // namespace

SizeHighlight SizeHighlightOf(int windowSize)
{
    if (windowSize <= 0)
        return SizeHighlight::None;
    if (windowSize == 1)
        return SizeHighlight::Full;
    if (windowSize == 2)
        return SizeHighlight::Half;
    return SizeHighlight::Quarter;
}

TransportStrip StripAt(int x, int w)
{
    int strip = kStrips - 1;
    while (strip > 0 && x <= strip * w / kStrips)
        --strip;
    return static_cast<TransportStrip>(strip);
}

std::uint16_t StripHint(int x, int w)
{
    const int step = w / kStrips;
    for (int strip = kStrips - 1; strip >= 0; --strip) {
        if (x >= w - (kStrips - strip) * step)
            return static_cast<std::uint16_t>(kGeneralHint + 1 + strip);
    }
    return kGeneralHint;
}

TransportBar::TransportBar(KettraSettings& settings, TransportPoll& transport,
                           PostingHostWindow& host, HitAnimation& animation, TransportView& view)
    : m_settings(settings)
    , m_transport(transport)
    , m_host(host)
    , m_animation(animation)
    , m_view(view)
{}

void TransportBar::Stop()
{
    m_view.ShowLook(TransportLook::Stop);
    post(HostCmdStop);
    m_transport.setState(TransportState::Stopped);
}

void TransportBar::Rewind()
{
    m_view.ShowLook(TransportLook::Rewind);
    post(HostCmdStop);
    m_transport.setState(TransportState::Stopped);
    post(HostCmdRewind);
}

void TransportBar::Play()
{
    if (m_transport.state() != TransportState::Stopped)
        return;
    m_view.ShowLook(TransportLook::Play);
    post(HostCmdPlay);
    m_transport.setState(TransportState::Playing);
}

void TransportBar::Record()
{
    if (m_transport.state() != TransportState::Stopped)
        return;
    m_view.ShowLook(TransportLook::Record);
    m_transport.setState(TransportState::Recording);
    post(HostCmdStop);
    post(HostCmdRewind);
    post(HostCmdRecord);
}

TransportLook TransportBar::StateLook() const
{
    switch (m_transport.state()) {
    case TransportState::Playing:
        return TransportLook::Play;
    case TransportState::Recording:
        return TransportLook::Record;
    case TransportState::Stopped:
        break;
    }
    return TransportLook::Stop;
}

void TransportBar::TransportPaint()
{
    m_view.ShowLook(StateLook());
}

std::optional<int> TransportBar::MouseDown(int x, int w)
{
    const auto windowSize = [this](std::int16_t size) {
        m_settings.WindowSize = size;
        return FixedClientWidth(size);
    };
    switch (StripAt(x, w)) {
    case TransportStrip::FullSize:
        return windowSize(1);
    case TransportStrip::HalfSize:
        return windowSize(2);
    case TransportStrip::QuarterSize:
        return windowSize(3);
    case TransportStrip::Settings:
        m_view.ShowLook(TransportLook::Settings);
        m_settingsPending = true;
        break;
    case TransportStrip::Record:
        Record();
        break;
    case TransportStrip::Play:
        Play();
        break;
    case TransportStrip::Rewind:
        Rewind();
        break;
    case TransportStrip::Stop:
        Stop();
        break;
    }
    return std::nullopt;
}

void TransportBar::MouseUp(const std::function<void()>& showSettings)
{
    TransportPaint();
    if (m_settingsPending) {
        m_settingsPending = false;
        showSettings();
    }
    m_animation.ShowUsedOverlay();
}

bool TransportBar::KeyDown(int virtualKey, bool ctrl)
{
    if (virtualKey != kVkReturn && virtualKey != kVkSpace && virtualKey != kVkTab)
        return false;
    if (!keysAllowed(ctrl))
        return true;
    if (virtualKey == kVkReturn)
        Rewind();
    else if (virtualKey == kVkTab)
        Record();
    else if (m_transport.state() != TransportState::Stopped)
        Stop();
    else
        Play();
    m_animation.ShowUsedOverlay();
    return true;
}

bool TransportBar::KeyUp(int virtualKey, bool ctrl)
{
    if (virtualKey != kVkReturn)
        return false;
    if (keysAllowed(ctrl))
        m_view.ShowLook(TransportLook::Stop);
    return true;
}

bool TransportBar::keysAllowed(bool ctrl) const
{
    return m_settings.TransportKeys == kTransportKeysOn ||
           (m_settings.TransportKeys == kTransportKeysCtrl && ctrl);
}

void TransportBar::post(platform::UINT message)
{
    m_host.Post(message, 0, 0);
}

} // namespace velmar::drums
