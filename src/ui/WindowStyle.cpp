#include "ui/WindowStyle.h"

namespace keyloom {

QString PopupMenuStyle() {
    return QStringLiteral(
        "QMenu { background: #1c1e23; color: #e8eaef; border: 1px solid #34373e; padding: 4px; }"
        "QMenu::item { padding: 6px 22px 6px 14px; border-radius: 4px; }"
        "QMenu::item:selected { background: #0a84ff; color: #ffffff; }"
        "QMenu::item:disabled { color: #7f7f7f; }");
}

QString DarkDialogStyle() {
    return QStringLiteral(
        "QDialog { background: #1a1c20; }"
        "QLabel { color: #c9ccd3; }"
        "QLabel#title { color: #ffffff; font-size: 15pt; font-weight: 600; }"
        "QLabel a { color: #2593ff; }"
        "QPushButton { background: #2c2f35; color: #ffffff; border: 1px solid #3b3e45;"
        " border-radius: 5px; padding: 6px 26px; }"
        "QPushButton:hover { background: #454953; }"
        "QPushButton:pressed { background: #1e2024; }"
        "QPushButton:focus { border-color: #2593ff; }");
}

}  // namespace keyloom
