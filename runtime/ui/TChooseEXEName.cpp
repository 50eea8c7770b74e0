#include "runtime/ui/TChooseEXEName.h"

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

Qt::WindowFlags flagsFor(ChooseExeFrame frame)
{
    const Qt::WindowFlags kind = frame == ChooseExeFrame::ToolWindow ? Qt::Tool : Qt::Dialog;
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

TChooseEXEName::TChooseEXEName(ChooseExeFrame frame, QWidget* parent)
    : QDialog(parent, flagsFor(frame))
    , Memo1(place(new QPlainTextEdit(this), 16, 16, 281, 81))
    , Edit1(place(new QLineEdit(this), 16, 116, 201, 24))
    , Button1(place(new QPushButton(QStringLiteral("&Browse"), this), 224, 112, 73, 30))
    , OKBtn(place(new QPushButton(QStringLiteral("OK"), this), 80, 164, 77, 27))
    , CancelBtn(place(new QPushButton(QStringLiteral("Cancel"), this), 164, 164, 77, 27))
{
    setObjectName(QStringLiteral("ChooseEXEName"));
    setWindowTitle(QStringLiteral("VelmarLink Component Can't Link!"));
    setFont(boldSansSerif(11));
    setFixedSize(317, 199);

    // The design's lines were broken for its own narrow face; here the sentence flows and
    // wraps, so no half-lines are left over, and only the example keeps a line of its own.
    Memo1->setPlainText(QStringLiteral("VelmarLink can't connect to the .EXE below, "
                                       "as it is not running, and can't be found. Please "
                                       "enter the correct path including the .EXE name. \n"
                                       "(e.g. C:\\Korvo\\KORVO.EXE)"));
    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the text wraps
    Memo1->document()->setDocumentMargin(2); // the narrow inner margin of a plain memo
    Edit1->setFont(boldSansSerif(13));

    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, Memo1);
    OKBtn->setDefault(true);
    OKBtn->setFocus();

    connect(Button1, &QPushButton::clicked, this, &TChooseEXEName::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TChooseEXEName::Button1Click()
{
    QFileDialog picker(this, LoadNumStr(kExeFileToLinkTo));
    picker.setFileMode(QFileDialog::ExistingFile);
    picker.setAcceptMode(QFileDialog::AcceptOpen);
    // Programs here carry no ".EXE": the filter keeps the label and shows executable files.
    picker.setNameFilter(LoadNumStr(kExeFiles) + QStringLiteral(" (*)"));
    picker.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    if (picker.exec() == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        Edit1->setText(QDir::toNativeSeparators(picker.selectedFiles().constFirst()));
}

} // namespace velmar
