#pragma once

#include "drums/core/KettraSettings.h"
#include "drums/ui/DrumWindow.h"
#include "runtime/PackedMidiMessage.h"
#include "runtime/link/LinkPrompts.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ScopedSession.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace velmar::drums::test {

// Where SaveGrab puts its pictures.
void SetGrabDirectory(const std::filesystem::path& directory);
// Saves what `widget` shows as <name>.png, for looking at by eye.
void SaveGrab(QWidget& widget, const QString& name);

// One message a host window handled.
struct HostMessage {
    platform::UINT Message = 0;
    platform::WPARAM WParam = 0;
    platform::LPARAM LParam = 0;

    friend bool operator==(const HostMessage&, const HostMessage&) = default;
};
void PrintTo(const HostMessage& message, std::ostream* out);

// A host's main window in the test's own process: it identifies itself, signs in, answers
// the drum window's questions as told and keeps every other message it handles.
class FakeHostWindow {
public:
    FakeHostWindow();

    [[nodiscard]] platform::HWND hwnd() const { return m_endpoint->hwnd(); }
    // The messages with this number, in the order they were handled.
    [[nodiscard]] std::vector<HostMessage> Only(platform::UINT message) const;

    platform::LRESULT signIn = 1;
    platform::LRESULT drumDelay = 0;
    platform::LRESULT running = 0;
    platform::LRESULT recording = 0;
    std::vector<HostMessage> messages;

private:
    platform::LRESULT handle(platform::UINT message, platform::WPARAM wParam,
                             platform::LPARAM lParam);

    std::unique_ptr<platform::WindowEndpoint> m_endpoint;
};

// Shows nothing: keeps the errors and cancels every question.
class QuietPrompts : public LinkPrompts {
public:
    void ShowLinkError(const QString& text) override { errors.push_back(text); }
    std::optional<QString> ChooseHostProgram(const QString&, HostProgramReason) override
    {
        return std::nullopt;
    }
    std::vector<QString> errors;
};

// A drum window in a session and a program directory of its own.
class FormRig {
public:
    enum class Host {
        Fake,         // a FakeHostWindow of this process
        ThisProcess,  // another host window of this process, made by the test
        KorvoProgram, // the host program "KORVO.EXE", found or started as the program does
    };
    explicit FormRig(Host linkTo = Host::Fake);
    ~FormRig();
    FormRig(const FormRig&) = delete;
    FormRig& operator=(const FormRig&) = delete;

    // The settings file the window reads at start-up.
    void WriteSettings(const KettraSettings& settings) const;
    [[nodiscard]] std::filesystem::path SettingsPath() const;

    // Creates the window and runs its start-up; shows it when that succeeded.
    bool Create();
    void Destroy() { form.reset(); }

    [[nodiscard]] DrumWindow& Form() { return *form; }
    [[nodiscard]] FakeHostWindow& host() { return *fakeHost; }
    [[nodiscard]] QImage Panel() const;
    // The shared ring as the host writes it.
    void WriteRingEvent(std::uint16_t source, PackedMidiMessage message);
    // Runs the drum window's timer `ticks` times, after stopping it.
    void RunTicks(int ticks);

    const std::filesystem::path startDirectory = std::filesystem::current_path();
    velmar::test::ScopedSession session;
    const std::filesystem::path exeDir;
    const std::unique_ptr<FakeHostWindow> fakeHost;
    QuietPrompts prompts;
    int colorCount = 30000;
    // Whether the window takes native scan codes for xkb keycodes, as on X11 and Wayland.
    bool keyPlacesKnown = false;
    std::unique_ptr<DrumWindow> form;
};

// Whether `area`, in the widgets' pixels, of `panel` shows the same device pixels as that area
// of `picture`; both must be made for the same device pixel ratio.
[[nodiscard]] bool SameArea(const QImage& panel, const QPixmap& picture, const QRect& area);

// Calls `act` on the modal window of type T once one is up, and again every 10 ms until it
// says it is done. After five seconds the modal window is rejected: a test fails, never
// hangs.
template <typename T>
void WhenModal(std::function<bool(T*)> act, int attempts = 500)
{
    QTimer::singleShot(10, [act = std::move(act), attempts] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window != nullptr && act(window))
            return;
        if (attempts > 0) {
            WhenModal<T>(act, attempts - 1);
            return;
        }
        ADD_FAILURE() << "the modal window was not answered";
        if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            stuck->reject();
    });
}

} // namespace velmar::drums::test
