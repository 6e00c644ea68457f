#pragma once

#include <QString>
#include <string>

#include "session/WindowPort.h"

namespace keyloom {

// Where the main window's message boxes appear: on screen in the tool, scripted in tests.
class MessagePrompter {
  public:
    virtual ~MessagePrompter() = default;

    // Runs on the window thread; `languageKey` names the text shown; `topMost` for boxes that
    // another thread asked for.
    virtual MessageAnswer Ask(const std::string& languageKey, const QString& text,
                              MessageButtons buttons, bool topMost) = 0;
};

}  // namespace keyloom
