#include "monitor/ui/FindBar.h"

#include "runtime/language/Language.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmar::monitor {

namespace {

constexpr std::uint16_t kFindCaption = 15604;
constexpr std::uint16_t kFindWhat = 15605;
constexpr std::uint16_t kFindNext = 15606;
constexpr std::uint16_t kFindPrevious = 15607;
constexpr std::uint16_t kClose = 15608;
constexpr std::uint16_t kNotFound = 15609;
constexpr std::uint16_t kWentRound = 15610;

} // namespace

FindBar::FindBar(QWidget& mainWindow)
    : QDialog(&mainWindow, Qt::Tool)
    , WhatLabel(new QLabel(LoadNumStr(kFindWhat), this))
    , TextEdit(new QLineEdit(this))
    , NextButton(new QPushButton(LoadNumStr(kFindNext), this))
    , PreviousButton(new QPushButton(LoadNumStr(kFindPrevious), this))
    , CloseButton(new QPushButton(LoadNumStr(kClose), this))
    , StatusLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("FindBar"));
    setWindowTitle(LoadNumStr(kFindCaption));
    setFont(mainWindow.font()); // the design's face, or the Japanese one
    WhatLabel->setBuddy(TextEdit);
    NextButton->setDefault(true);
    NextButton->setAutoDefault(true);
    PreviousButton->setAutoDefault(false);
    CloseButton->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(WhatLabel, 0, 0);
    layout->addWidget(TextEdit, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NextButton);
    buttons->addWidget(PreviousButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->addWidget(StatusLabel, 2, 0, 1, 2);
    TextEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 28);

    connect(NextButton, &QPushButton::clicked, this,
            [this] { Q_EMIT FindRequested(SearchDirection::Forward); });
    connect(PreviousButton, &QPushButton::clicked, this,
            [this] { Q_EMIT FindRequested(SearchDirection::Backward); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(TextEdit, &QLineEdit::textEdited, StatusLabel, &QLabel::clear);
}

QString FindBar::Text() const
{
    return TextEdit->text();
}

void FindBar::Open()
{
    StatusLabel->clear();
    show();
    raise();
    activateWindow();
    TextEdit->setFocus();
    TextEdit->selectAll();
}

void FindBar::ShowOutcome(const std::optional<SearchHit>& hit)
{
    if (!hit)
        StatusLabel->setText(LoadNumStr(kNotFound));
    else if (hit->WentRound)
        StatusLabel->setText(LoadNumStr(kWentRound));
    else
        StatusLabel->clear();
}

} // namespace velmar::monitor
