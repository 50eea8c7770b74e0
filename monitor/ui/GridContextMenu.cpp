#include "monitor/ui/GridContextMenu.h"

#include "monitor/core/EventGridModel.h"
#include "monitor/core/EventIntake.h"
#include "monitor/core/MidiFileExport.h"
#include "monitor/core/RowCopy.h"
#include "monitor/core/RowsOnDisplay.h"
#include "monitor/core/SysExDump.h"
#include "monitor/core/WholeFileSave.h"
#include "monitor/ui/FindBar.h"
#include "monitor/ui/TopmostBracket.h"
#include "runtime/language/Language.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>

#include <algorithm>

namespace velmar::monitor {

namespace {

constexpr std::uint16_t kFindItem = 15600;
constexpr std::uint16_t kCopyItem = 15601;
constexpr std::uint16_t kSaveSysExItem = 15602;
constexpr std::uint16_t kExportItem = 15603;
constexpr std::uint16_t kExportTitle = 15613;
constexpr std::uint16_t kMidiFiles = 15614;
constexpr std::uint16_t kCouldNotSave = 15615;
constexpr std::uint16_t kMessagesLeftOut = 15618;
constexpr std::uint16_t kNotMade = 15619;
constexpr std::uint16_t kSaveSysExTitle = 15611;
constexpr std::uint16_t kSysExFiles = 15612;
constexpr std::uint16_t kDumpsLeftOut = 15617;

QAction* action(QObject* owner, const QString& text, const QKeySequence& shortcut = {})
{
    auto* item = new QAction(text, owner);
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WindowShortcut);
    return item;
}

QFileDialog* saveDialog(QWidget& parent, std::uint16_t title, std::uint16_t filter,
                        const QString& suffix)
{
    auto* dialog = new QFileDialog(&parent, LoadNumStr(title), QString(), LoadNumStr(filter));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(suffix);
    return dialog;
}

} // namespace

GridContextMenu::GridContextMenu(QTableView& grid, const EventGridModel& model,
                                 const EventIntake& intake, const OstraSettings& settings,
                                 QWidget& window)
    : QObject(&grid)
    , Menu(new QMenu(&grid))
    , FindAction(action(this, LoadNumStr(kFindItem), QKeySequence::Find))
    , CopyAction(action(this, LoadNumStr(kCopyItem), QKeySequence::Copy))
    , SaveSysExAction(action(this, LoadNumStr(kSaveSysExItem)))
    , ExportAction(action(this, LoadNumStr(kExportItem)))
    , FindNextAction(action(this, {}, QKeySequence(Qt::Key_F3)))
    , FindPreviousAction(action(this, {}, QKeySequence(Qt::SHIFT | Qt::Key_F3)))
    , MenuKeyAction(action(this, {}, QKeySequence(Qt::SHIFT | Qt::Key_F10)))
    , Finder(new FindBar(window))
    , SysExDialog(saveDialog(window, kSaveSysExTitle, kSysExFiles, QStringLiteral("syx")))
    , MidiFileDialog(saveDialog(window, kExportTitle, kMidiFiles, QStringLiteral("mid")))
    , m_grid(grid)
    , m_model(model)
    , m_intake(intake)
    , m_settings(settings)
    , m_window(window)
{
    Menu->setObjectName(QStringLiteral("GridContextMenu"));
    Menu->addAction(FindAction);
    Menu->addAction(CopyAction);
    Menu->addAction(SaveSysExAction);
    Menu->addAction(ExportAction);
    // Only the grid has the rows the menu works on.
    MenuKeyAction->setShortcutContext(Qt::WidgetShortcut);
    m_grid.addAction(MenuKeyAction);
    for (QAction* each : {FindAction, CopyAction, FindNextAction, FindPreviousAction})
        m_window.addAction(each);
    for (QAction* each : {FindNextAction, FindPreviousAction})
        Finder->addAction(each);

    m_grid.setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid.installEventFilter(this);
    m_grid.viewport()->installEventFilter(this);

    connect(FindAction, &QAction::triggered, Finder, &FindBar::Open);
    connect(FindNextAction, &QAction::triggered, this, [this] { Find(SearchDirection::Forward); });
    connect(FindPreviousAction, &QAction::triggered, this,
            [this] { Find(SearchDirection::Backward); });
    connect(Finder, &FindBar::FindRequested, this, &GridContextMenu::Find);
    connect(CopyAction, &QAction::triggered, this, &GridContextMenu::Copy);
    connect(SaveSysExAction, &QAction::triggered, this, &GridContextMenu::SaveSysEx);
    connect(ExportAction, &QAction::triggered, this, &GridContextMenu::ExportMidiFile);
    connect(MenuKeyAction, &QAction::triggered, this, [this] { Popup(currentRowPosition()); });
    // The shortcuts work whatever the menu last showed; each item checks for itself.
    connect(Menu, &QMenu::aboutToHide, this, [this] {
        CopyAction->setEnabled(true);
        SaveSysExAction->setEnabled(true);
        ExportAction->setEnabled(true);
    });
}

std::vector<std::int32_t> GridContextMenu::rowsOnDisplay() const
{
    return RowsOnDisplay(m_model.rows(), m_intake.CurrentRow(), m_intake.Wrapped());
}

std::vector<std::int32_t> GridContextMenu::SelectedRows() const
{
    std::vector<bool> selected(static_cast<std::size_t>(m_model.rows().RowCount()) + 1U);
    const QItemSelectionModel* selection = m_grid.selectionModel();
    if (selection == nullptr)
        return {};
    for (const QModelIndex& index : selection->selectedRows())
        if (index.row() >= 0 && index.row() < m_model.rows().RowCount())
            selected[static_cast<std::size_t>(index.row()) + 1U] = true;
    std::vector<std::int32_t> rows = rowsOnDisplay();
    std::erase_if(
        rows, [&selected](std::int32_t row) { return !selected[static_cast<std::size_t>(row)]; });
    return rows;
}

void GridContextMenu::UpdateActions()
{
    const std::vector<std::int32_t> selected = SelectedRows();
    CopyAction->setEnabled(!selected.empty());
    const std::vector<std::int32_t> order = rowsOnDisplay();
    SaveSysExAction->setEnabled(!selected.empty() &&
                                SysExFileOf(m_model.rows(), order, selected).Dumps > 0);
    ExportAction->setEnabled(!order.empty());
}

void GridContextMenu::Popup(QPoint globalPosition)
{
    UpdateActions();
    Menu->popup(globalPosition);
}

void GridContextMenu::Find(SearchDirection direction)
{
    const QString text = Finder->Text();
    if (text.isEmpty()) {
        Finder->Open();
        return;
    }
    // The rows as they are now: rows written while the user reads are found next time.
    const std::vector<std::int32_t> order = rowsOnDisplay();
    std::optional<std::size_t> from;
    const QModelIndex current = m_grid.currentIndex();
    if (current.isValid()) {
        const auto found = std::find(order.begin(), order.end(), current.row() + 1);
        if (found != order.end())
            from = static_cast<std::size_t>(found - order.begin());
    }
    const std::optional<SearchHit> hit = FindRow(m_model.rows(), order, text, from, direction);
    if (hit)
        selectRow(order[hit->Position]);
    Finder->ShowOutcome(hit);
}

void GridContextMenu::Copy()
{
    const std::vector<std::int32_t> rows = SelectedRows();
    if (rows.empty())
        return;
    QGuiApplication::clipboard()->setText(RowsText(m_model, rows, u"\n"));
}

void GridContextMenu::SaveSysEx()
{
    // Taken before the dialog opens: the display goes on filling meanwhile and may wrap.
    const SysExFile file = SysExFileOf(m_model.rows(), rowsOnDisplay(), SelectedRows());
    if (file.Dumps == 0)
        return;
    const TopmostBracket bracket(m_window, m_settings);
    if (SysExDialog->exec() != QDialog::Accepted || SysExDialog->selectedFiles().isEmpty())
        return;
    saveSysEx(SysExDialog->selectedFiles().constFirst(), file);
}

void GridContextMenu::SaveSysExTo(const QString& path)
{
    saveSysEx(path, SysExFileOf(m_model.rows(), rowsOnDisplay(), SelectedRows()));
}

void GridContextMenu::saveSysEx(const QString& path, const SysExFile& file)
{
    if (file.Dumps == 0)
        return;
    if (const std::optional<QString> failure = SaveWholeFile(path, file.Bytes)) {
        tell(*failure);
        return;
    }
    if (file.NotWhole > 0)
        tell(LoadNumStr(kDumpsLeftOut).arg(file.NotWhole));
}

void GridContextMenu::ExportMidiFile()
{
    // Taken before the dialog opens: the display goes on filling meanwhile.
    const std::vector<std::int32_t> order = rowsOnDisplay();
    if (order.empty())
        return;
    const std::optional<MidiFileExport> file = monitor::ExportMidiFile(m_model.rows(), order);
    const TopmostBracket bracket(m_window, m_settings);
    if (MidiFileDialog->exec() != QDialog::Accepted || MidiFileDialog->selectedFiles().isEmpty())
        return;
    exportMidiFile(MidiFileDialog->selectedFiles().constFirst(), file);
}

void GridContextMenu::ExportMidiFileTo(const QString& path)
{
    const std::vector<std::int32_t> order = rowsOnDisplay();
    if (!order.empty())
        exportMidiFile(path, monitor::ExportMidiFile(m_model.rows(), order));
}

void GridContextMenu::exportMidiFile(const QString& path, const std::optional<MidiFileExport>& file)
{
    if (!file) {
        tell(LoadNumStr(kCouldNotSave).arg(path, LoadNumStr(kNotMade)));
        return;
    }
    if (const std::optional<QString> failure = SaveWholeFile(path, file->Bytes)) {
        tell(*failure);
        return;
    }
    if (file->LeftOut > 0)
        tell(LoadNumStr(kMessagesLeftOut).arg(file->LeftOut));
}

void GridContextMenu::tell(const QString& text)
{
    const TopmostBracket bracket(m_window, m_settings);
    QMessageBox box(QMessageBox::Information, m_window.windowTitle(), text, QMessageBox::Ok,
                    &m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void GridContextMenu::selectRow(std::int32_t row)
{
    const int column = std::max(0, m_grid.currentIndex().column());
    const QModelIndex index = m_model.index(row - 1, column);
    m_grid.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    m_grid.scrollTo(index);
}

QPoint GridContextMenu::currentRowPosition() const
{
    const QRect cell = m_grid.visualRect(m_grid.currentIndex());
    const QPoint inViewport = cell.isValid() ? cell.bottomLeft() : QPoint(0, 0);
    return m_grid.viewport()->mapToGlobal(inViewport);
}

bool GridContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        Popup(request->reason() == QContextMenuEvent::Mouse ? request->globalPos()
                                                            : currentRowPosition());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmar::monitor
