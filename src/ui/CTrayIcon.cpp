#include "ui/CTrayIcon.h"

#include "ui/MainWindowControls.h"
#include "ui/TrayIcons.h"

namespace keyloom {

namespace {

constexpr const char* kTrayToolTipKey = "KEYBOARD_TRAY_DESC";

}  // namespace

CTrayIcon::CTrayIcon(std::unique_ptr<TrayArea> area, TextSource text, CommandHandler onCommand)
    : m_area(std::move(area)),
      m_text(std::move(text)),
      m_onCommand(std::move(onCommand)),
      m_menu(MENU_TRAY_ITEMS, m_text, m_onCommand) {
    // The first item, Open, is the default one: bold, and what a double click does.
    QFont bold = m_menu.actions().front()->font();
    bold.setBold(true);
    m_menu.actions().front()->setFont(bold);
    m_menu.Localise();
    m_area->OnDoubleClick([this] { m_onCommand(MENU_TRAY_ITEMS.front().command); });
}

bool CTrayIcon::Create(int iconId) {
    if (m_created) {
        return false;
    }
    m_iconId = iconId;
    Add();
    m_created = true;
    m_hidden = false;
    return true;
}

void CTrayIcon::Remove() {
    if (m_created) {
        m_area->Remove();
        m_created = false;
    }
}

void CTrayIcon::Hide() {
    if (m_created && !m_hidden) {
        m_area->Remove();
        m_hidden = true;
    }
}

void CTrayIcon::Show() {
    if (m_created && m_hidden) {
        Add();
        m_hidden = false;
    }
}

void CTrayIcon::SetIcon(int iconId) {
    if (m_created && iconId != m_iconId) {
        m_iconId = iconId;
        m_area->SetIcon(TrayIconPicture(iconId));
    }
}

void CTrayIcon::Add() {
    m_area->Add(TrayIconPicture(m_iconId), m_text(kTrayToolTipKey), &m_menu);
}

}  // namespace keyloom
