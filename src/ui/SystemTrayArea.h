#pragma once

#include <QSystemTrayIcon>

#include "ui/TrayArea.h"

namespace keyloom {

// The notification area of the desktop.
class SystemTrayArea final : public TrayArea {
  public:
    SystemTrayArea();

    bool Available() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void Add(const QIcon& icon, const QString& tooltip, QMenu* menu) override;
    void Remove() override;
    void SetIcon(const QIcon& icon) override;
    void SetToolTip(const QString& tooltip) override;
    void OnDoubleClick(std::function<void()> handler) override;

  private:
    QSystemTrayIcon m_icon;
    std::function<void()> m_doubleClick;
};

}  // namespace keyloom
