#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmar {

// The window frame of the dialog: the monitor shows it as a tool window, the drum display
// with a dialog frame.
enum class HostProgramDialogFrame { ToolWindow, DialogFrame };

// Asks the user for the host's program when the host link cannot find it. Stays on top;
// OK accepts, Cancel and closing the window reject.
class HostProgramDialog : public QDialog {
    Q_OBJECT

public:
    explicit HostProgramDialog(HostProgramDialogFrame frame, QWidget* parent = nullptr);

    QPlainTextEdit* const Explanation;
    QLineEdit* const ProgramPath;
    QPushButton* const BrowseButton;
    QPushButton* const OKBtn;
    QPushButton* const CancelBtn;

private:
    // Browse: a picked file's full path replaces ProgramPath's text.
    void BrowseButtonClick();
};

} // namespace velmar
