#pragma once

#include "ui/MessagePrompter.h"

namespace keyloom {

// Message boxes without owner and with an empty caption, as the tool shows them.
class QtMessagePrompter final : public MessagePrompter {
  public:
    MessageAnswer Ask(const std::string& languageKey, const QString& text, MessageButtons buttons,
                      bool topMost) override;
};

}  // namespace keyloom
