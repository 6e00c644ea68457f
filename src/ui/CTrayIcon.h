#pragma once

#include <functional>
#include <memory>

#include "ui/CommandMenu.h"
#include "ui/TrayArea.h"

namespace keyloom {

// The tool's icon in the notification area with its menu (Open, About, Exit). The menu's texts
// are read from the language files each time it opens; a chosen item, and a double click as
// Open, go to the command handler. Every operation does nothing until the icon is created.
class CTrayIcon {
  public:
    using CommandHandler = CommandMenu::CommandHandler;
    using TextSource = CommandMenu::TextSource;

    CTrayIcon(std::unique_ptr<TrayArea> area, TextSource text, CommandHandler onCommand);

    // Adds the icon with the tooltip KEYBOARD_TRAY_DESC; false when it exists already.
    bool Create(int iconId);
    void Remove();
    void Hide();
    void Show();
    // Shows the icon of this number, unless it shows it already.
    void SetIcon(int iconId);

    // Whether the desktop shows the icon at all: without it a hidden window cannot be reached.
    bool Available() const { return m_area->Available(); }
    bool Created() const { return m_created; }
    bool Hidden() const { return m_hidden; }
    int IconId() const { return m_iconId; }
    CommandMenu& Menu() { return m_menu; }

  private:
    void Add();

    std::unique_ptr<TrayArea> m_area;
    TextSource m_text;
    CommandHandler m_onCommand;
    CommandMenu m_menu;
    bool m_created = false;
    bool m_hidden = false;
    int m_iconId = 0;
};

}  // namespace keyloom
