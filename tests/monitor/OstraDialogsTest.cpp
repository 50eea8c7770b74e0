#include "monitor/OstraDialogs.h"

#include "tests/monitor/FormRig.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace velmar::monitor::test {
namespace {

TEST(MonitorWindow, ButtonsOpenTheirDialogsModallyAndF1OpensEachOnesHelp)
{
    FormRig rig;
    rig.WriteFile("Korvo2.html", "<html></html>");
    PageCatcher browser;
    MonitorWindow& form = rig.Create();
    const OstraDialogs dialogs(form);
    form.show();

    std::vector<QString> opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened.push_back(QString::fromLatin1(modal->metaObject()->className()));
            modal->activateWindow();
            if (QTest::qWaitForWindowActive(modal))
                QTest::keyClick(modal, Qt::Key_F1);
            modal->reject();
        }
    });
    closer.start(20);
    form.DisplaySettingsButton->click();
    form.FilterButton->click();
    form.SaveTextButton->click();
    ASSERT_EQ(opened.size(), 3U);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("MonitorSettingsDialog")))
        << opened[0].toStdString();
    EXPECT_TRUE(opened[1].endsWith(QStringLiteral("FilterDialog"))) << opened[1].toStdString();
    EXPECT_TRUE(opened[2].endsWith(QStringLiteral("EventTextWindow"))) << opened[2].toStdString();
    std::vector<QString> topics;
    for (const QUrl& page : browser.pages)
        topics.push_back(page.fragment());
    EXPECT_EQ(topics,
              (std::vector<QString>{QStringLiteral("context-11"), QStringLiteral("context-12"),
                                    QStringLiteral("context-13")}));
}

} // namespace
} // namespace velmar::monitor::test
