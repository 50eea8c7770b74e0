#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace velmar::test {

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

} // namespace velmar::test
