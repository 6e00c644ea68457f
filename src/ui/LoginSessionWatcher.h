#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <cstdint>
#include <functional>

namespace keyloom {

// Session changes of the login session this process runs in, as the login manager (logind)
// announces them on the system bus: a lock and an unlock, and the session becoming active or
// inactive (the user switching to another console and back). They arrive as the window system's
// session event numbers (SessionAwayFlag.h).
class LoginSessionWatcher : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<void(uint32_t event)>;

    // Registers for the changes of this process's own session; false when there is no system bus
    // or no login manager, and the tool then runs on without them.
    bool Register(Handler handler);

  private slots:
    void OnLock();
    void OnUnlock();
    void OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                             const QStringList& invalidated);

  private:
    Handler m_handler;
};

}  // namespace keyloom
