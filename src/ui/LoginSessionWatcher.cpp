#include "ui/LoginSessionWatcher.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>

#include "session/SessionAwayFlag.h"

namespace keyloom {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
// A login manager that does not answer within this time is taken as absent.
constexpr int kCallTimeoutMs = 1000;

}  // namespace

bool LoginSessionWatcher::Register(Handler handler) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"));
    call << static_cast<uint>(getpid());
    const QDBusReply<QDBusObjectPath> session = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (!session.isValid()) {
        return false;
    }
    const QString path = session.value().path();
    m_handler = std::move(handler);
    return bus.connect(kService, path, kSessionInterface, QStringLiteral("Lock"), this,
                       SLOT(OnLock())) &&
           bus.connect(kService, path, kSessionInterface, QStringLiteral("Unlock"), this,
                       SLOT(OnUnlock())) &&
           bus.connect(kService, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                       QStringLiteral("PropertiesChanged"), this,
                       SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList)));
}

void LoginSessionWatcher::OnLock() {
    m_handler(SESSION_LOCK);
}

void LoginSessionWatcher::OnUnlock() {
    m_handler(SESSION_UNLOCK);
}

void LoginSessionWatcher::OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                              const QStringList&) {
    const auto active = changed.find(QStringLiteral("Active"));
    if (interface == kSessionInterface && active != changed.end()) {
        m_handler(active->toBool() ? SESSION_CONSOLE_CONNECT : SESSION_CONSOLE_DISCONNECT);
    }
}

}  // namespace keyloom
