#include "monitor/dialogs/TForm5.h"

#include "monitor/core/EventText.h"
#include "monitor/core/TextFileSave.h"
#include "monitor/dialogs/FormDesign.h"
#include "monitor/dialogs/SnapCursorToDefaultButton.h"
#include "monitor/dialogs/TForm4.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>

namespace velmar::monitor {

namespace {

constexpr int kButtonHeight = 21;
constexpr int kGap = 4;

QPushButton* button(QWidget* parent, std::uint16_t caption, int index)
{
    constexpr int kPitch = 68;
    return Place(new QPushButton(LoadNumStr(caption), parent), 4 + index * kPitch, 244, 65,
                 kButtonHeight);
}

QFileDialog* saveDialog(QWidget* parent)
{
    auto* dialog = new QFileDialog(parent, QStringLiteral("Save Event Text"), QString(),
                                   QStringLiteral("Text Files (*.txt)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->selectFile(QStringLiteral("Untitled"));
    return dialog;
}

} // namespace

TForm5::TForm5(const EventGridModel& grid, const EventIntake& intake, const OstraSettings& settings,
               TForm4& working, QWidget& mainWindow, QString helpFile)
    : QDialog(nullptr, SizeableToolWindowFlags())
    , Memo1(Place(new QPlainTextEdit(this), 0, 0, 400, 200))
    , OKButton(button(this, 4025, 0))
    , CancelButton(button(this, 4026, 1))
    , HelpButton(button(this, 4012, 2))
    , SelectAllButton(button(this, 4038, 3))
    , ClearButton(button(this, 4039, 4))
    , CopyButton(button(this, 4040, 5))
    , SaveButton(button(this, 4041, 6))
    , SaveDialog1(saveDialog(this))
    , m_grid(grid)
    , m_intake(intake)
    , m_settings(settings)
    , m_working(working)
    , m_mainWindow(mainWindow)
    , m_helpFile(std::move(helpFile))
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(LoadNumStr(4042));
    resize(586, 368);
    ApplyDesignFont(*this);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(false);
    OKButton->setDefault(true);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { OpenHelp(this, m_helpFile, kTextWindowHelpContext); });
    // F1 anywhere in the dialog opens the same page as its Help button.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { OpenHelp(this, m_helpFile, kTextWindowHelpContext); });
    connect(SelectAllButton, &QPushButton::clicked, this, &TForm5::SelectAllButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TForm5::ClearButtonClick);
    connect(CopyButton, &QPushButton::clicked, this, &TForm5::CopyButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TForm5::SaveButtonClick);
}

void TForm5::BuildTextBlock()
{
    m_working.show();
    QCoreApplication::processEvents();
    Memo1->setFocus();
    Memo1->setPlainText(monitor::BuildTextBlock(m_grid, m_intake.CurrentRow()).Text(u"\n"));
    m_working.hide();
    Memo1->selectAll();
}

void TForm5::SaveBufferToFile()
{
    if (m_intake.EventCount() < 1)
        return;
    const QString path = runSaveDialog();
    if (path.isEmpty())
        return;
    // Events went on arriving while the dialog was up: the file holds the grid as it is now.
    const std::optional<std::string> bytes =
        BufferFileText(m_grid, m_intake.CurrentRow(), m_intake.EventCount());
    if (bytes)
        save(path, *bytes);
}

void TForm5::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Memo1->setFocus();
    m_justShown = true;
}

void TForm5::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_justShown) {
        SnapCursorToDefaultButton(*this);
        m_justShown = false;
    }
}

void TForm5::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TForm5::done(int result)
{
    QDialog::done(result);
    Memo1->clear();
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(m_mainWindow);
}

void TForm5::SelectAllButtonClick()
{
    Memo1->selectAll();
    Memo1->setFocus();
}

void TForm5::ClearButtonClick()
{
    QTextCursor cursor = Memo1->textCursor();
    cursor.removeSelectedText();
    Memo1->setTextCursor(cursor);
    Memo1->setFocus();
}

void TForm5::CopyButtonClick()
{
    Memo1->setFocus();
    Memo1->copy();
}

void TForm5::SaveButtonClick()
{
    const QString path = runSaveDialog();
    if (!path.isEmpty())
        save(path, TextFileBytes(Memo1->toPlainText()));
    Memo1->setFocus();
}

void TForm5::FormResize()
{
    const int height = this->height();
    Memo1->setGeometry(0, 0, width(), height - kButtonHeight - kGap);
    for (QPushButton* each :
         {OKButton, CancelButton, HelpButton, SelectAllButton, ClearButton, CopyButton, SaveButton})
        each->move(each->x(), height - kButtonHeight);
}

QString TForm5::runSaveDialog()
{
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return {};
    const QString path = SaveDialog1->selectedFiles().constFirst();
    SaveDialog1->selectFile(path);
    return path;
}

void TForm5::save(const QString& path, std::string_view bytes)
{
    const std::optional<QString> failure = SaveTextFile(path, bytes);
    if (!failure)
        return;
    QMessageBox box(QMessageBox::Information, windowTitle(), *failure, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmar::monitor
