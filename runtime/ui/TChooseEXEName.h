#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmar {

// The window frame of the dialog: the monitor shows it as a tool window, the drum display
// with a dialog frame.
enum class ChooseExeFrame { ToolWindow, DialogFrame };

// Asks the user for the host's program when the host link cannot find it. Stays on top;
// OK accepts, Cancel and closing the window reject.
class TChooseEXEName : public QDialog {
    Q_OBJECT

public:
    explicit TChooseEXEName(ChooseExeFrame frame, QWidget* parent = nullptr);

    QPlainTextEdit* const Memo1;
    QLineEdit* const Edit1;
    QPushButton* const Button1;
    QPushButton* const OKBtn;
    QPushButton* const CancelBtn;

private:
    // Browse: a picked file's full path replaces Edit1's text.
    void Button1Click();
};

} // namespace velmar
