#include "ui/CommandMenu.h"

#include "ui/WindowStyle.h"

namespace keyloom {

CommandMenu::CommandMenu(std::span<const CommandMenuItem> items, TextSource text,
                         CommandHandler onCommand)
    : m_items(items), m_text(std::move(text)) {
    setStyleSheet(PopupMenuStyle());
    for (const CommandMenuItem& item : m_items) {
        connect(addAction(QString()), &QAction::triggered, this,
                [onCommand, command = item.command] { onCommand(command); });
    }
    connect(this, &QMenu::aboutToShow, this, &CommandMenu::Localise);
}

void CommandMenu::Localise() {
    const QList<QAction*> items = actions();
    for (size_t i = 0; i < m_items.size(); ++i) {
        items[static_cast<qsizetype>(i)]->setText(m_text(m_items[i].textKey));
    }
}

}  // namespace keyloom
