#include "drums/core/SettingsDialogFields.h"
#include "drums/ui/DrumSettingsDialog.h"
#include "drums/ui/PicturePanel.h"
#include "monitor/OstraDialogs.h"
#include "monitor/core/EventText.h"
#include "monitor/core/FilterDialogRules.h"
#include "monitor/core/MonitorSettingsFields.h"
#include "runtime/language/HelpFile.h"
#include "runtime/language/Language.h"
#include "tests/drums/ui/FormRig.h"
#include "tests/help/HelpPage.h"
#include "tests/monitor/FormRig.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace velmar::test {
namespace {

namespace fs = std::filesystem;
using monitor::test::PageCatcher;

// The build's program directory, where the help page and its pictures are shipped.
const fs::path kShipped = VELMAR_HELP_DIR;
constexpr char kPage[] = "Sablo2.html";

// The main windows' contexts; the dialogs' come from the programs' headers.
constexpr int kDrumWindowContext = 2;
constexpr int kMonitorWindowContext = 9;

struct Language {
    const char* Name;
    int Index;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.Name;
}

// The help page as the build ships it, in a program directory of a test's own.
void InstallHelp(const fs::path& exeDir)
{
    fs::copy_file(kShipped / kPage, exeDir / kPage, fs::copy_options::overwrite_existing);
    fs::copy(kShipped / "pictures", exeDir / "pictures",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void ChooseLanguage(const fs::path& exeDir, const Language& language)
{
    if (language.Index != 0)
        std::ofstream(exeDir / "Language.Ini") << "LANGUAGE=" << language.Name << "\r\n";
}

fs::path ChosenHelpFile(const fs::path& exeDir, const std::string& exePath, int languageIndex)
{
    return ChooseHelpFile(exeDir.string() + "/", exePath, languageIndex,
                          [](const std::string& path) { return fs::exists(path); });
}

// The controls of `window` that take the focus from the keyboard (a spin box's edit field
// passes it on to its box, which is listed instead).
std::vector<QWidget*> FocusableControls(QWidget& window)
{
    std::vector<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->window() == &window &&
            widget->isVisibleTo(&window) && widget->isEnabled() && widget->focusProxy() == nullptr)
            controls.push_back(widget);
    return controls;
}

QString NameOf(const QWidget& widget)
{
    return QString::fromLatin1(widget.metaObject()->className()) + QLatin1Char(' ') +
           widget.objectName() + QLatin1Char(' ') + widget.property("text").toString();
}

// F1 as the user presses it: in the active window, on the control that has the focus, or on
// the window itself when `control` is the window.
void PressF1(QWidget& control)
{
    QWidget* window = control.window();
    // A window shown a moment earlier (the drum window leaving the topmost band) may take
    // the activation back while the machine is busy: press only once ours has kept it.
    for (int tries = 0; tries < 10; ++tries) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::qWait(10);
        if (QApplication::activeWindow() == window)
            break;
    }
    if (&control == window) {
        if (QWidget* focused = window->focusWidget())
            focused->clearFocus();
    } else {
        control.setFocus();
    }
    QTest::keyClick(&control, Qt::Key_F1);
}

// Stands in for the browser and checks every page a press opens.
class HelpRecorder {
public:
    explicit HelpRecorder(fs::path helpFile)
        : m_helpFile(std::move(helpFile))
    {}

    // `press` opens exactly one page: the chosen help file, at the anchor of `context`,
    // which that file has.
    void ExpectOpens(int context, const QString& what, const std::function<void()>& press)
    {
        const std::size_t before = m_browser.pages.size();
        press();
        ASSERT_EQ(m_browser.pages.size(), before + 1) << what.toStdString();
        const QUrl& opened = m_browser.pages.back();
        const fs::path file = opened.toLocalFile().toStdString();
        EXPECT_EQ(file, m_helpFile) << what.toStdString();
        EXPECT_EQ(opened.fragment(), QStringLiteral("context-%1").arg(context))
            << what.toStdString();
        const std::optional<HelpPage> page = HelpPage::Load(file);
        ASSERT_TRUE(page) << file;
        EXPECT_TRUE(page->HasId(opened.fragment()))
            << file << " has no element with id " << opened.fragment().toStdString();
        ++m_checked;
    }

    // Help and F1 on every control of a dialog; F1 on the dialog itself opens `formContext`.
    template <typename Dialog>
    void ExpectDialogOpens(Dialog& dialog, int controlContext, int formContext)
    {
        ExpectOpens(controlContext, QStringLiteral("Help of ") + NameOf(dialog),
                    [&] { dialog.HelpButton->click(); });
        const std::vector<QWidget*> controls = FocusableControls(dialog);
        EXPECT_GE(controls.size(), 3U) << NameOf(dialog).toStdString();
        for (QWidget* control : controls)
            ExpectOpens(controlContext, QStringLiteral("F1 on ") + NameOf(*control),
                        [control] { PressF1(*control); });
        ExpectOpens(formContext, QStringLiteral("F1 on ") + NameOf(dialog),
                    [&] { PressF1(dialog); });
    }

    [[nodiscard]] int Checked() const { return m_checked; }

private:
    PageCatcher m_browser;
    fs::path m_helpFile;
    int m_checked = 0;
};

// Shows the modal dialog that `open` brings up, checks its help, saves its picture for the
// help page when asked, and closes it with Cancel, which leaves the settings as they were.
template <typename Dialog>
void ExpectModalHelp(HelpRecorder& help, int controlContext, int formContext,
                     const QString& grabName, const std::function<void()>& open)
{
    bool seen = false;
    drums::test::WhenModal<Dialog>([&](Dialog* dialog) {
        seen = true;
        dialog->activateWindow();
        if (QTest::qWaitForWindowActive(dialog)) {
            if (!grabName.isEmpty())
                drums::test::SaveGrab(*dialog, grabName);
            help.ExpectDialogOpens(*dialog, controlContext, formContext);
        }
        dialog->CancelButton->click();
        return true;
    });
    open();
    EXPECT_TRUE(seen) << Dialog::staticMetaObject.className() << " did not come up";
}

// English, and the two languages whose modules ship: no page of their own ships, so the
// choice falls back to the English one.
class HelpContexts : public ::testing::TestWithParam<Language> {
protected:
    // Starting a program makes its directory the current one; the test's goes with it.
    ~HelpContexts() override { fs::current_path(m_startDirectory); }

    [[nodiscard]] bool English() const { return GetParam().Index == 0; }
    // Grabs for the help page's pictures are taken once, in English.
    [[nodiscard]] QString Grab(const char* name) const
    {
        return English() ? QString::fromLatin1(name) : QString();
    }

private:
    const fs::path m_startDirectory = fs::current_path();
};

TEST_P(HelpContexts, EveryMonitorWindowAndControlOpensItsTopicOfTheShippedPage)
{
    monitor::test::FormRig rig({"--quiet", "--no-synth"});
    InstallHelp(rig.exeDir);
    ChooseLanguage(rig.exeDir, GetParam());
    monitor::MonitorWindow& form = rig.Create();
    ASSERT_FALSE(form.TerminateRequested());
    ASSERT_EQ(languageState().LanguageIndex, GetParam().Index);
    const fs::path chosen =
        ChosenHelpFile(rig.exeDir, (rig.exeDir / "ostra").string(), GetParam().Index);
    EXPECT_EQ(chosen, rig.exeDir / kPage);
    EXPECT_EQ(form.HelpFile().toStdString(), chosen.string());

    const monitor::OstraDialogs dialogs(form);
    HelpRecorder help(chosen);
    form.show();
    help.ExpectOpens(kMonitorWindowContext, QStringLiteral("Help of the main window"),
                     [&] { form.HelpButton->click(); });
    const std::vector<QWidget*> controls = FocusableControls(form);
    EXPECT_GE(controls.size(), 10U);
    for (QWidget* control : controls)
        help.ExpectOpens(kMonitorWindowContext, QStringLiteral("F1 on ") + NameOf(*control),
                         [control] { PressF1(*control); });

    ExpectModalHelp<monitor::MonitorSettingsDialog>(
        help, monitor::kSettingsHelpContext, monitor::kSettingsFormHelpContext,
        Grab("help-ostra-settings"), [&] { form.DisplaySettingsButton->click(); });
    ExpectModalHelp<monitor::FilterDialog>(help, monitor::kFilterHelpContext,
                                           monitor::kFilterHelpContext, Grab("help-ostra-filter"),
                                           [&] { form.FilterButton->click(); });
    if (English()) {
        // The text window's picture shows some of the demo song.
        form.PlayButton->click();
        EXPECT_TRUE(monitor::test::FormRig::WaitFor(
            [&] { return form.Intake().EventCount() >= 40; }, 10000));
        form.StopButton->click();
    }
    ExpectModalHelp<monitor::EventTextWindow>(
        help, monitor::kTextWindowHelpContext, monitor::kTextWindowHelpContext,
        Grab("help-ostra-text"), [&] { form.SaveTextButton->click(); });
    EXPECT_GE(help.Checked(), 40);
}

TEST_P(HelpContexts, TheDrumWindowAndItsSettingsDialogOpenTheirTopicsOfTheShippedPage)
{
    drums::test::FormRig rig;
    InstallHelp(rig.exeDir);
    ChooseLanguage(rig.exeDir, GetParam());
    ASSERT_TRUE(rig.Create());
    drums::DrumWindow& form = rig.Form();
    ASSERT_EQ(languageState().LanguageIndex, GetParam().Index);
    const fs::path chosen = ChosenHelpFile(
        rig.exeDir, QCoreApplication::applicationFilePath().toStdString(), GetParam().Index);
    EXPECT_EQ(chosen, rig.exeDir / kPage);
    EXPECT_EQ(form.HelpFile().toStdString(), chosen.string());

    HelpRecorder help(chosen);
    help.ExpectOpens(kDrumWindowContext, QStringLiteral("F1 on the drum window"),
                     [&] { PressF1(form); });
    for (QWidget* control : FocusableControls(form))
        help.ExpectOpens(kDrumWindowContext, QStringLiteral("F1 on ") + NameOf(*control),
                         [control] { PressF1(*control); });

    // The dialog opens from the Settings strip of the transport bar, on release.
    const QPoint settingsStrip(form.Transport->width() * 7 / 16, form.Transport->height() / 2);
    ExpectModalHelp<drums::DrumSettingsDialog>(
        help, drums::kSettingsHelpContext, drums::kSettingsHelpContext,
        Grab("help-kettra-settings"), [&] {
            QTest::mousePress(form.Transport, Qt::LeftButton, {}, settingsStrip);
            QTest::mouseRelease(form.Transport, Qt::LeftButton, {}, settingsStrip);
        });
    EXPECT_GE(help.Checked(), 10);
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpContexts,
                         ::testing::Values(Language{"English", 0}, Language{"German", 7},
                                           Language{"Japanese", 10}),
                         [](const ::testing::TestParamInfo<Language>& language) {
                             return std::string(language.param.Name);
                         });

} // namespace
} // namespace velmar::test
