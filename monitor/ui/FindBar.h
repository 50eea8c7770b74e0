#pragma once

#include "monitor/core/RowSearch.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmar::monitor {

// The small window that asks what to look for in the grid. It stays open beside the main
// window while the user goes from match to match; the search itself is the grid menu's.
class FindBar : public QDialog {
    Q_OBJECT

public:
    explicit FindBar(QWidget& mainWindow);

    [[nodiscard]] QString Text() const;
    // Shows the window with its text selected, ready to be typed over.
    void Open();
    // Says how the last search went: nothing when it simply found the next row.
    void ShowOutcome(const std::optional<SearchHit>& hit);

    QLabel* const WhatLabel;
    QLineEdit* const TextEdit;
    QPushButton* const NextButton;
    QPushButton* const PreviousButton;
    QPushButton* const CloseButton;
    QLabel* const StatusLabel;

Q_SIGNALS:
    void FindRequested(velmar::monitor::SearchDirection direction);
};

} // namespace velmar::monitor
