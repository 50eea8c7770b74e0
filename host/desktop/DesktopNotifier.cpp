#include "host/desktop/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>
#include <QVariantMap>

namespace velmar::host {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kOpenAction = QStringLiteral("default"); // a click on the notification

} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus)
    : m_bus(std::move(bus))
{
    if (m_bus.isConnected())
        m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                      SLOT(ActionInvoked(uint, QString)));
}

void DesktopNotifier::Notify(const QString& summary, const QString& body, const QString& folder)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QStringList actions =
        folder.isEmpty() ? QStringList{} : QStringList{kOpenAction, QStringLiteral("Open Folder")};
    call << QStringLiteral("korvo") << 0U << QStringLiteral("korvo") << summary << body << actions
         << QVariantMap{} << -1;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, folder](QDBusPendingCallWatcher* done) {
                const QDBusPendingReply<uint> reply = *done;
                if (!reply.isError() && !folder.isEmpty())
                    m_folders.insert(reply.value(), folder);
                done->deleteLater();
            });
}

void DesktopNotifier::ActionInvoked(uint id, const QString& action)
{
    const auto folder = m_folders.constFind(id);
    if (folder == m_folders.constEnd() || action != kOpenAction)
        return;
    QProcess::startDetached(QStringLiteral("xdg-open"), {*folder});
}

} // namespace velmar::host
