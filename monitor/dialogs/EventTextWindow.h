#pragma once

#include "monitor/core/EventGridModel.h"
#include "monitor/core/EventIntake.h"
#include "monitor/core/OstraSettings.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string_view>

class QFileDialog;
class QPlainTextEdit;
class QPushButton;

namespace velmar::monitor {

class WorkingWindow;

// The event text window: the most recent events as TAB-separated lines, to copy or save.
// Also saves the whole buffer to a file without showing itself.
class EventTextWindow : public QDialog {
public:
    // The event grid's column widths as they are now, for the text's tab stops.
    using GridColumnWidths = std::function<std::array<int, kGridColumnCount>()>;

    Q_OBJECT

public:
    EventTextWindow(const EventGridModel& grid, const EventIntake& intake,
                    const OstraSettings& settings, WorkingWindow& working, QWidget& mainWindow,
                    QString helpFile, GridColumnWidths gridColumnWidths = {});

    // Fills the text area with the header and the most recent events, the whole text
    // selected, while the Working window is up. The caller then shows the window modally.
    void BuildTextBlock();
    // Asks for a file name and writes the whole buffer to it; nothing when no event is shown.
    void SaveBufferToFile();

    QPlainTextEdit* const TextArea;
    QPushButton* const OKButton;
    QPushButton* const CancelButton;
    QPushButton* const HelpButton;
    QPushButton* const SelectAllButton;
    QPushButton* const ClearButton;
    QPushButton* const CopyButton;
    QPushButton* const SaveButton;
    // "Save Event Text"; keeps the last chosen name while the program runs.
    QFileDialog* const SaveDialog;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void SelectAllButtonClick();
    void ClearButtonClick();
    void CopyButtonClick();
    void SaveButtonClick();
    void FormResize();
    // The chosen file name, or an empty one when the dialog is cancelled.
    [[nodiscard]] QString runSaveDialog();
    void save(const QString& path, std::string_view bytes);

    const EventGridModel& m_grid;
    const EventIntake& m_intake;
    const OstraSettings& m_settings;
    WorkingWindow& m_working;
    QWidget& m_mainWindow;
    QString m_helpFile;
    GridColumnWidths m_gridColumnWidths;
    bool m_justShown = false;
};

} // namespace velmar::monitor
