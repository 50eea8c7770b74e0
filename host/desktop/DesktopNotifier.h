#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>

namespace velmar::host {

// Tells the user what they must know and would not otherwise see, through the desktop's
// notification service on the session bus. Never waits for it: calls are sent and their
// answers handled when they come. Without a service nothing is shown (korvo's status lines
// still go to its error output).
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit DesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus());

    // `folder`, when given, is opened when the user clicks the notification.
    void Notify(const QString& summary, const QString& body, const QString& folder = {});

private:
    QDBusConnection m_bus;
    QHash<uint, QString> m_folders; // notification id to the folder it opens

public Q_SLOTS:
    // The service's signal that the user clicked a notification (called by the bus).
    void ActionInvoked(uint id, const QString& action);
};

} // namespace velmar::host
