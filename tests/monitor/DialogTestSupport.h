#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace velmar::monitor::test {

// Calls `act` on the modal window of type T once one is up, and again every 10 ms until it
// says it is done. After five seconds the modal window is rejected: a test fails, never hangs.
template <typename T>
void whenModal(std::function<bool(T*)> act, int attempts = 500)
{
    QTimer::singleShot(10, [act = std::move(act), attempts] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window != nullptr && act(window))
            return;
        if (attempts > 0) {
            whenModal<T>(act, attempts - 1);
            return;
        }
        ADD_FAILURE() << "the modal window was not answered";
        if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            stuck->reject();
    });
}

// Shows the form, checks that every caption fits its control and that no two controls of
// one parent overlap, and saves a picture of it beside the test program for looking at.
void ExpectDesignedLayout(QWidget& form, const QString& name);

} // namespace velmar::monitor::test
