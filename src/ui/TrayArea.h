#pragma once

#include <QIcon>
#include <QString>
#include <functional>

class QMenu;

namespace keyloom {

// The desktop's notification area as the tray icon uses it: one icon with a tooltip and a
// context menu, added and removed. The tool uses QSystemTrayIcon; tests record.
class TrayArea {
  public:
    virtual ~TrayArea() = default;

    // Whether the desktop has a notification area at all (a plain Wayland compositor, or a panel
    // without a status notifier host, has none); asked anew each time, since a panel may start
    // after the tool.
    virtual bool Available() const = 0;
    virtual void Add(const QIcon& icon, const QString& tooltip, QMenu* menu) = 0;
    virtual void Remove() = 0;
    virtual void SetIcon(const QIcon& icon) = 0;
    virtual void SetToolTip(const QString& tooltip) = 0;
    // Called on a double click on the icon.
    virtual void OnDoubleClick(std::function<void()> handler) = 0;
};

}  // namespace keyloom
