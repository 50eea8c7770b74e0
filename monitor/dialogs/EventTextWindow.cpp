#include "monitor/dialogs/EventTextWindow.h"

#include "monitor/core/EventText.h"
#include "monitor/core/TextFileSave.h"
#include "monitor/dialogs/FormDesign.h"
#include "monitor/dialogs/SnapCursorToDefaultButton.h"
#include "monitor/dialogs/TextTabStops.h"
#include "monitor/dialogs/WorkingWindow.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

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

EventTextWindow::EventTextWindow(const EventGridModel& grid, const EventIntake& intake,
                                 const OstraSettings& settings, WorkingWindow& working,
                                 QWidget& mainWindow, QString helpFile,
                                 GridColumnWidths gridColumnWidths)
    : QDialog(nullptr, SizeableToolWindowFlags())
    , TextArea(Place(new QPlainTextEdit(this), 0, 0, 400, 200))
    , OKButton(button(this, 4025, 0))
    , CancelButton(button(this, 4026, 1))
    , HelpButton(button(this, 4012, 2))
    , SelectAllButton(button(this, 4038, 3))
    , ClearButton(button(this, 4039, 4))
    , CopyButton(button(this, 4040, 5))
    , SaveButton(button(this, 4041, 6))
    , SaveDialog(saveDialog(this))
    , m_grid(grid)
    , m_intake(intake)
    , m_settings(settings)
    , m_working(working)
    , m_mainWindow(mainWindow)
    , m_helpFile(std::move(helpFile))
    , m_gridColumnWidths(std::move(gridColumnWidths))
{
    setObjectName(QStringLiteral("EventTextWindow"));
    setWindowTitle(LoadNumStr(4042));
    resize(586, 368);
    ApplyDesignFont(*this);
    TextArea->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextArea->setTabChangesFocus(false);
    OKButton->setDefault(true);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { OpenHelp(this, m_helpFile, kTextWindowHelpContext); });
    // F1 anywhere in the dialog opens the same page as its Help button.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { OpenHelp(this, m_helpFile, kTextWindowHelpContext); });
    connect(SelectAllButton, &QPushButton::clicked, this, &EventTextWindow::SelectAllButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &EventTextWindow::ClearButtonClick);
    connect(CopyButton, &QPushButton::clicked, this, &EventTextWindow::CopyButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &EventTextWindow::SaveButtonClick);
}

void EventTextWindow::BuildTextBlock()
{
    m_working.show();
    QCoreApplication::processEvents();
    TextArea->setFocus();
    const QString text = monitor::BuildTextBlock(m_grid, m_intake.CurrentRow()).Text(u"\n");
    // The columns line up under the header as they do in the grid.
    QTextOption layout = TextArea->document()->defaultTextOption();
    const std::array<int, kGridColumnCount> widths =
        m_gridColumnWidths ? m_gridColumnWidths() : std::array<int, kGridColumnCount>{};
    layout.setTabs(TextTabStops(text, QFontMetricsF(TextArea->font()), widths));
    TextArea->document()->setDefaultTextOption(layout);
    TextArea->setPlainText(text);
    m_working.hide();
    TextArea->selectAll();
}

void EventTextWindow::SaveBufferToFile()
{
    if (!ShowsAnEvent(m_grid, m_intake.CurrentRow()))
        return;
    const QString path = runSaveDialog();
    if (path.isEmpty())
        return;
    // Events went on arriving while the dialog was up: the file holds the grid as it is now.
    const std::optional<std::string> bytes =
        BufferFileText(m_grid, m_intake.CurrentRow(), m_intake.Wrapped());
    if (bytes)
        save(path, *bytes);
}

void EventTextWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TextArea->setFocus();
    m_justShown = true;
}

void EventTextWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_justShown) {
        SnapCursorToDefaultButton(*this);
        m_justShown = false;
    }
}

void EventTextWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void EventTextWindow::done(int result)
{
    QDialog::done(result);
    TextArea->clear();
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(m_mainWindow);
}

void EventTextWindow::SelectAllButtonClick()
{
    TextArea->selectAll();
    TextArea->setFocus();
}

void EventTextWindow::ClearButtonClick()
{
    QTextCursor cursor = TextArea->textCursor();
    cursor.removeSelectedText();
    TextArea->setTextCursor(cursor);
    TextArea->setFocus();
}

void EventTextWindow::CopyButtonClick()
{
    TextArea->setFocus();
    TextArea->copy();
}

void EventTextWindow::SaveButtonClick()
{
    const QString path = runSaveDialog();
    if (!path.isEmpty())
        save(path, TextFileBytes(TextArea->toPlainText()));
    TextArea->setFocus();
}

void EventTextWindow::FormResize()
{
    const int height = this->height();
    TextArea->setGeometry(0, 0, width(), height - kButtonHeight - kGap);
    for (QPushButton* each :
         {OKButton, CancelButton, HelpButton, SelectAllButton, ClearButton, CopyButton, SaveButton})
        each->move(each->x(), height - kButtonHeight);
}

QString EventTextWindow::runSaveDialog()
{
    if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty())
        return {};
    const QString path = SaveDialog->selectedFiles().constFirst();
    SaveDialog->selectFile(path);
    return path;
}

void EventTextWindow::save(const QString& path, std::string_view bytes)
{
    const std::optional<QString> failure = SaveTextFile(path, bytes);
    if (!failure)
        return;
    QMessageBox box(QMessageBox::Information, windowTitle(), *failure, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmar::monitor
