#include "tests/drums/ui/FormRig.h"

#include "drums/core/KettraSettingsFile.h"
#include "drums/ui/PicturePanel.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/link/LinkIni.h"
#include "runtime/pictures/PictureSets.h"

#include <QCoreApplication>
#include <QTest>

#include <cstring>

namespace velmar::drums::test {

namespace fs = std::filesystem;

namespace {

fs::path g_grabDirectory;

} // namespace

void SetGrabDirectory(const fs::path& directory)
{
    g_grabDirectory = directory;
}

void SaveGrab(QWidget& widget, const QString& name)
{
    const QString path = QString::fromStdString((g_grabDirectory / name.toStdString()).string());
    EXPECT_TRUE(widget.grab().save(path + QStringLiteral(".png"))) << path.toStdString();
}

void PrintTo(const HostMessage& message, std::ostream* out)
{
    *out << message.Message << " (" << message.WParam << ", 0x" << std::hex << message.LParam
         << std::dec << ')';
}

FakeHostWindow::FakeHostWindow()
    : m_endpoint(platform::WindowEndpoint::create(
          [this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
              return handle(message, wParam, lParam);
          }))
{}

std::vector<HostMessage> FakeHostWindow::Only(platform::UINT message) const
{
    std::vector<HostMessage> found;
    for (const HostMessage& handled : messages)
        if (handled.Message == message)
            found.push_back(handled);
    return found;
}

platform::LRESULT FakeHostWindow::handle(platform::UINT message, platform::WPARAM wParam,
                                         platform::LPARAM lParam)
{
    if (message == HostQueryIdentify)
        return HostIdentifyReply;
    messages.push_back({message, wParam, lParam});
    switch (message) {
    case HostCmdSignIn:
        return signIn;
    case HostQueryDrumDelay:
        return drumDelay;
    case HostQueryRunning:
        return running;
    case HostQueryRecording:
        return recording;
    default:
        return 0;
    }
}

FormRig::FormRig(Host linkTo)
    : exeDir(session.root() / "exe")
    , fakeHost(linkTo == Host::Fake ? std::make_unique<FakeHostWindow>() : nullptr)
{
    fs::create_directories(exeDir);
    // The host's program is this one: the link finds a window of this process.
    if (linkTo != Host::KorvoProgram)
        WriteLinkIni((exeDir / "VELMARLINK.INI").string(), QCoreApplication::applicationFilePath());
}

FormRig::~FormRig()
{
    form.reset();
    fs::current_path(startDirectory);
}

void FormRig::WriteSettings(const KettraSettings& settings) const
{
    ASSERT_TRUE(KettraSettingsFile(SettingsPath().string()).Write(settings));
}

fs::path FormRig::SettingsPath() const
{
    return exeDir / "$Kettra.cfg";
}

bool FormRig::Create()
{
    KettraContext context = KettraContext::Standard();
    context.ExeDir = exeDir.string() + "/";
    context.WindowsDir = session.configDir().string() + "/";
    context.DisplayColorCount = [this] {
        return colorCount;
    };
    context.KeyPlacesKnown = keyPlacesKnown;
    form = std::make_unique<DrumWindow>(prompts, std::move(context));
    if (!form->FormCreate())
        return false;
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return true;
}

QImage FormRig::Panel() const
{
    return form->DrumSpace->grab().toImage();
}

void FormRig::WriteRingEvent(std::uint16_t source, PackedMidiMessage message)
{
    std::byte* block = form->Link.Map().Data();
    std::uint16_t at = 0;
    std::memcpy(&at, block + HostLinkBlock::kWriteIndexOffset, 2);
    std::byte* slot = block + HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * at;
    const std::uint32_t value = message.value();
    std::memcpy(slot, &source, 2);
    std::memcpy(slot + 2, &value, 4);
    const std::uint16_t next = HostLinkBlock::NextIndex(at);
    std::memcpy(block + HostLinkBlock::kWriteIndexOffset, &next, 2);
}

void FormRig::RunTicks(int ticks)
{
    form->TickTimer->stop();
    for (int tick = 0; tick < ticks; ++tick)
        form->OnTick();
}

bool SameArea(const QImage& panel, const QPixmap& picture, const QRect& area)
{
    if (panel.devicePixelRatio() != picture.devicePixelRatio())
        return false;
    const QImage wanted = picture.toImage();
    const QRect pixels = DeviceRect(area, panel.devicePixelRatio());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if ((panel.pixel(x, y) & 0xFFFFFFU) != (wanted.pixel(x, y) & 0xFFFFFFU))
                return false;
    return true;
}

} // namespace velmar::drums::test
