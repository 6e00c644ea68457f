#pragma once

#include <QMenu>
#include <functional>
#include <span>

namespace keyloom {

// An item of a pop-up menu: the command it sends and the language key of its text.
struct CommandMenuItem {
    int command;
    const char* textKey;
};

// A pop-up menu whose items send their commands and take their texts from the language files
// each time it opens, so that it always speaks the current language.
class CommandMenu : public QMenu {
  public:
    // The text of a language key in the current language.
    using TextSource = std::function<QString(const char* key)>;
    using CommandHandler = std::function<void(int command)>;

    CommandMenu(std::span<const CommandMenuItem> items, TextSource text, CommandHandler onCommand);

    // Sets the items' texts now.
    void Localise();

  private:
    std::span<const CommandMenuItem> m_items;
    TextSource m_text;
};

}  // namespace keyloom
