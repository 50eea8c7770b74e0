#pragma once

#include "monitor/core/RowSearch.h"

#include <QObject>
#include <QPoint>

#include <cstdint>
#include <optional>
#include <vector>

class QAction;
class QFileDialog;
class QMenu;
class QTableView;

namespace velmar::monitor {

class EventGridModel;
class EventIntake;
class FindBar;
struct OstraSettings;
struct MidiFileExport;
struct SysExFile;

// The menu of the grid's rows (right click, the Menu key or Shift+F10) and the shortcuts
// of its items: find (Ctrl+F, F3 and Shift+F3 for the next and previous match), copy
// (Ctrl+C), saving the selected SysEx dumps and exporting the display as a MIDI file. It lets the
// grid select rows; the grid's looks and contents are otherwise the main window's.
class GridContextMenu : public QObject {
    Q_OBJECT

public:
    // `window` is the main window: the shortcuts work wherever it has the focus, and the
    // boxes and dialogs opened from the menu take it out of the topmost band meanwhile.
    GridContextMenu(QTableView& grid, const EventGridModel& model, const EventIntake& intake,
                    const OstraSettings& settings, QWidget& window);

    // The rows selected that show an event, oldest first.
    [[nodiscard]] std::vector<std::int32_t> SelectedRows() const;

    // Pops the menu up at `globalPosition`, its items enabled for the selection.
    void Popup(QPoint globalPosition);
    // The menu's items enabled or not for the selection as it is.
    void UpdateActions();

    // Looks for the find window's text from the current row; opens the window when it has
    // no text yet. Selects the row found and scrolls to it.
    void Find(SearchDirection direction);
    // The selected rows to the clipboard as the text export writes them.
    void Copy();
    // Asks for a file and saves the selected dumps to it.
    void SaveSysEx();
    // Saves the dumps that the selected rows belong to, whole ones only, oldest first, as a
    // .syx file at `path`; says so when some were left out or the save failed. Nothing is
    // written when no whole dump is selected.
    void SaveSysExTo(const QString& path);
    // Asks for a file and exports every event on display to it.
    void ExportMidiFile();
    // Every event on display, oldest first, as a Type 0 MIDI file at `path`; says how many
    // messages were left out, or why the save failed.
    void ExportMidiFileTo(const QString& path);

    QMenu* const Menu;
    QAction* const FindAction;
    QAction* const CopyAction;
    QAction* const SaveSysExAction;
    QAction* const ExportAction;
    QAction* const FindNextAction;
    QAction* const FindPreviousAction;
    QAction* const MenuKeyAction;
    FindBar* const Finder;
    // Each keeps the folder last chosen while the program runs.
    QFileDialog* const SysExDialog;
    QFileDialog* const MidiFileDialog;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] std::vector<std::int32_t> rowsOnDisplay() const;
    [[nodiscard]] QPoint currentRowPosition() const;
    void selectRow(std::int32_t row);
    void saveSysEx(const QString& path, const SysExFile& file);
    void exportMidiFile(const QString& path, const std::optional<MidiFileExport>& file);
    void tell(const QString& text);

    QTableView& m_grid;
    const EventGridModel& m_model;
    const EventIntake& m_intake;
    const OstraSettings& m_settings;
    QWidget& m_window;
};

} // namespace velmar::monitor
