#include "runtime/language/Language.h"
#include "runtime/ui/HostProgramDialog.h"
#include "runtime/ui/WidgetLinkPrompts.h"
#include "tests/support/PrintQString.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace velmar {
namespace {

using velmar::test::whenModal;

// Grabs for looking at by eye, beside the test program's output.
void saveGrab(QWidget& window, const QString& name)
{
    window.grab().save(QDir::current().filePath(name + QStringLiteral(".png")));
}

TEST(HostProgramDialog, HasTheDesignedLayoutWithNoTextCutOff)
{
    const struct {
        HostProgramDialogFrame frame;
        Qt::WindowType type;
        QString name;
    } frames[] = {{HostProgramDialogFrame::ToolWindow, Qt::Tool, QStringLiteral("ToolWindow")},
                  {HostProgramDialogFrame::DialogFrame, Qt::Dialog, QStringLiteral("DialogFrame")}};
    for (const auto& f : frames) {
        HostProgramDialog dialog(f.frame);
        dialog.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.windowType(), f.type);
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(dialog.size(), QSize(317, 199));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("VelmarLink Component Can't Link!"));
        EXPECT_TRUE(dialog.Explanation->toPlainText().endsWith(
            QStringLiteral("\n(e.g. C:\\Korvo\\KORVO.EXE)")));
        EXPECT_EQ(dialog.font().pixelSize(), 11);
        EXPECT_TRUE(dialog.font().bold());
        EXPECT_EQ(dialog.ProgramPath->font().pixelSize(), 13);
        EXPECT_EQ(dialog.Explanation->geometry(), QRect(16, 16, 281, 81));
        EXPECT_EQ(dialog.ProgramPath->geometry(), QRect(16, 116, 201, 24));
        EXPECT_EQ(dialog.BrowseButton->geometry(), QRect(224, 112, 73, 30));
        EXPECT_EQ(dialog.OKBtn->geometry(), QRect(80, 164, 77, 27));
        EXPECT_EQ(dialog.CancelBtn->geometry(), QRect(164, 164, 77, 27));
        EXPECT_EQ(dialog.focusWidget(), dialog.OKBtn);
        EXPECT_TRUE(dialog.OKBtn->isDefault());
        EXPECT_EQ(dialog.ProgramPath->nextInFocusChain(), dialog.BrowseButton);
        EXPECT_EQ(dialog.BrowseButton->nextInFocusChain(), dialog.OKBtn);
        EXPECT_EQ(dialog.OKBtn->nextInFocusChain(), dialog.CancelBtn);

        EXPECT_FALSE(dialog.Explanation->verticalScrollBar()->isVisible())
            << "the memo's text fits";
        for (QPushButton* button : {dialog.BrowseButton, dialog.OKBtn, dialog.CancelBtn}) {
            const QString caption = button->text().remove(u'&');
            EXPECT_LT(button->fontMetrics().horizontalAdvance(caption), button->width() - 8)
                << caption.toStdString();
        }
        saveGrab(dialog, QStringLiteral("HostProgramDialog-") + f.name);
    }
}

TEST(HostProgramDialog, BrowsePutsThePickedFilesPathIntoTheEditField)
{
    HostProgramDialog dialog(HostProgramDialogFrame::DialogFrame);
    dialog.ProgramPath->setText(QStringLiteral("KORVO.EXE"));
    const QString program = QCoreApplication::applicationFilePath();
    QString title;
    QStringList filters;
    whenModal<QFileDialog>([&](QFileDialog* picker) {
        title = picker->windowTitle();
        filters = picker->nameFilters();
        // Typed as the user would: selectFile() leaves a focused name field alone.
        auto* fileName = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (fileName == nullptr)
            return false;
        fileName->setText(program);
        static_cast<QDialog*>(picker)->accept(); // QFileDialog hides it
        return true;
    });
    dialog.BrowseButton->click();
    EXPECT_EQ(title, LoadNumStr(4665));
    EXPECT_EQ(filters, QStringList{LoadNumStr(4664) + QStringLiteral(" (*)")});
    EXPECT_EQ(dialog.ProgramPath->text(), QDir::toNativeSeparators(program));

    whenModal<QFileDialog>([](QFileDialog* picker) {
        picker->reject();
        return true;
    });
    dialog.BrowseButton->click();
    EXPECT_EQ(dialog.ProgramPath->text(), QDir::toNativeSeparators(program));
}

TEST(WidgetLinkPrompts, ChooseHostProgramShowsTheTextsForTheReasonAndAnswersOnlyOk)
{
    enum class Close { Ok, Cancel, Frame };
    const QString defaultTitle = QStringLiteral("VelmarLink Component Can't Link!");
    const struct {
        HostProgramReason reason;
        Close close;
        QString title;
        std::optional<QString> answer;
    } cases[] = {
        {HostProgramReason::LinkError, Close::Ok, LoadNumStr(4669), QStringLiteral("/opt/korvo")},
        {HostProgramReason::NotFound, Close::Ok, defaultTitle, QStringLiteral("/opt/korvo")},
        {HostProgramReason::NotFound, Close::Cancel, defaultTitle, std::nullopt},
        {HostProgramReason::LinkError, Close::Frame, LoadNumStr(4669), std::nullopt},
    };
    WidgetLinkPrompts prompts(HostProgramDialogFrame::ToolWindow);
    for (const auto& c : cases) {
        QString title;
        QString shownName;
        QString memo;
        whenModal<HostProgramDialog>([&](HostProgramDialog* dialog) {
            title = dialog->windowTitle();
            shownName = dialog->ProgramPath->text();
            memo = dialog->Explanation->toPlainText();
            if (c.reason == HostProgramReason::LinkError && c.close == Close::Ok)
                saveGrab(*dialog, QStringLiteral("HostProgramDialog-LinkError"));
            dialog->ProgramPath->setText(QStringLiteral("/opt/korvo"));
            if (c.close == Close::Ok)
                dialog->OKBtn->click();
            else if (c.close == Close::Cancel)
                dialog->CancelBtn->click();
            else
                dialog->close();
            return true;
        });
        EXPECT_EQ(prompts.ChooseHostProgram(QStringLiteral("KORVO.EXE"), c.reason), c.answer);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(shownName, QStringLiteral("KORVO.EXE"));
        EXPECT_EQ(memo == LoadNumStr(4670), c.reason == HostProgramReason::LinkError);
    }
}

TEST(WidgetLinkPrompts, LinkErrorIsAnOkBoxShowingTheTextAsItStands)
{
    const QString text = QStringLiteral("<b>/opt/Korvo</b>") + LoadNumStr(4674) +
                         QStringLiteral("\r\r") + LoadNumStr(4675);
    QMessageBox* shown = nullptr;
    QString caption;
    QString shownText;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box;
        caption = box->windowTitle();
        shownText = box->text();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        saveGrab(*box, QStringLiteral("LinkError"));
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    WidgetLinkPrompts(HostProgramDialogFrame::DialogFrame).ShowLinkError(text);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(caption, LoadNumStr(28));
    EXPECT_EQ(shownText, text);
}

} // namespace
} // namespace velmar

int main(int argc, char** argv)
{
    // Without a screen also where the test is listed, outside CTest's environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
