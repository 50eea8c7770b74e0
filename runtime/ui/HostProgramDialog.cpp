#include "runtime/ui/HostProgramDialog.h"

#include "runtime/language/Language.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace velmar {

namespace {

constexpr std::uint16_t kExeFiles = 4664;
constexpr std::uint16_t kExeFileToLinkTo = 4665;

// "MS Sans Serif" of the design is the system's sans-serif face at the same pixel height.
QFont boldSansSerif(int pixelHeight)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

Qt::WindowFlags flagsFor(HostProgramDialogFrame frame)
{
    const Qt::WindowFlags kind =
        frame == HostProgramDialogFrame::ToolWindow ? Qt::Tool : Qt::Dialog;
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::WindowStaysOnTopHint;
}

template <typename Widget>
Widget* place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace

HostProgramDialog::HostProgramDialog(HostProgramDialogFrame frame, QWidget* parent)
    : QDialog(parent, flagsFor(frame))
    , Explanation(place(new QPlainTextEdit(this), 16, 16, 281, 81))
    , ProgramPath(place(new QLineEdit(this), 16, 116, 201, 24))
    , BrowseButton(place(new QPushButton(QStringLiteral("&Browse"), this), 224, 112, 73, 30))
    , OKBtn(place(new QPushButton(QStringLiteral("OK"), this), 80, 164, 77, 27))
    , CancelBtn(place(new QPushButton(QStringLiteral("Cancel"), this), 164, 164, 77, 27))
{
    setObjectName(QStringLiteral("HostProgramDialog"));
    setWindowTitle(QStringLiteral("VelmarLink Component Can't Link!"));
    setFont(boldSansSerif(11));
    setFixedSize(317, 199);

    // The design's lines were broken for its own narrow face; here the sentence flows and
    // wraps, so no half-lines are left over, and only the example keeps a line of its own.
    Explanation->setPlainText(QStringLiteral("VelmarLink can't connect to the .EXE below, "
                                             "as it is not running, and can't be found. Please "
                                             "enter the correct path including the .EXE name. \n"
                                             "(e.g. C:\\Korvo\\KORVO.EXE)"));
    Explanation->setReadOnly(true);
    Explanation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the text wraps
    Explanation->document()->setDocumentMargin(2); // the narrow inner margin of a plain text box
    ProgramPath->setFont(boldSansSerif(13));

    setTabOrder(ProgramPath, BrowseButton);
    setTabOrder(BrowseButton, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, Explanation);
    OKBtn->setDefault(true);
    OKBtn->setFocus();

    connect(BrowseButton, &QPushButton::clicked, this, &HostProgramDialog::BrowseButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void HostProgramDialog::BrowseButtonClick()
{
    QFileDialog picker(this, LoadNumStr(kExeFileToLinkTo));
    picker.setFileMode(QFileDialog::ExistingFile);
    picker.setAcceptMode(QFileDialog::AcceptOpen);
    // Programs here carry no ".EXE": the filter keeps the label and shows executable files.
    picker.setNameFilter(LoadNumStr(kExeFiles) + QStringLiteral(" (*)"));
    picker.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    if (picker.exec() == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        ProgramPath->setText(QDir::toNativeSeparators(picker.selectedFiles().constFirst()));
}

} // namespace velmar
