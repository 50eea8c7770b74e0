#include "monitor/OstraDialogs.h"

#include "tests/monitor/FormRig.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace velmar::monitor::test {
namespace {

TEST(MonitorWindow, ButtonsOpenTheirDialogsModally)
{
    FormRig rig;
    TForm1& form = rig.Create();
    const OstraDialogs dialogs(form);
    form.show();

    std::vector<QString> opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened.push_back(QString::fromLatin1(modal->metaObject()->className()));
            modal->reject();
        }
    });
    closer.start(20);
    form.DisplaySettingsButton->click();
    form.FilterButton->click();
    form.SaveTextButton->click();
    ASSERT_EQ(opened.size(), 3U);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("TOstraSettings"))) << opened[0].toStdString();
    EXPECT_TRUE(opened[1].endsWith(QStringLiteral("TOstraFilter"))) << opened[1].toStdString();
    EXPECT_TRUE(opened[2].endsWith(QStringLiteral("TForm5"))) << opened[2].toStdString();
}

} // namespace
} // namespace velmar::monitor::test
