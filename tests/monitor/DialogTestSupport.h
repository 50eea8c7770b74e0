#pragma once

#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace velmar::monitor::test {

using velmar::test::whenModal;

// Where ExpectDesignedLayout puts its pictures: choosing a language moves the current
// directory, so the tests' starting one is kept.
void SetGrabDirectory(const QString& directory);

// Shows the form, checks that every caption fits its control and that no two controls of
// one parent overlap, and saves a picture of it in the grab directory for looking at.
void ExpectDesignedLayout(QWidget& form, const QString& name);

} // namespace velmar::monitor::test
