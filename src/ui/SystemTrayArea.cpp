#include "ui/SystemTrayArea.h"

namespace keyloom {

SystemTrayArea::SystemTrayArea() {
    QObject::connect(&m_icon, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick && m_doubleClick) {
                             m_doubleClick();
                         }
                     });
}

void SystemTrayArea::Add(const QIcon& icon, const QString& tooltip, QMenu* menu) {
    m_icon.setIcon(icon);
    m_icon.setToolTip(tooltip);
    m_icon.setContextMenu(menu);
    m_icon.show();
}

void SystemTrayArea::Remove() {
    m_icon.hide();
}

void SystemTrayArea::SetIcon(const QIcon& icon) {
    m_icon.setIcon(icon);
}

void SystemTrayArea::SetToolTip(const QString& tooltip) {
    m_icon.setToolTip(tooltip);
}

void SystemTrayArea::OnDoubleClick(std::function<void()> handler) {
    m_doubleClick = std::move(handler);
}

}  // namespace keyloom
