#pragma once

// The language texts of the session's operations and the message boxes that show them.

#include <string>

#include "session/KeyboardSession.h"
#include "session/WindowPort.h"

namespace keyloom {

// The text of the key in the language files beside the executable, in the current language.
std::string SessionText(const KeyboardSession& session, const std::string& key);

// A message box with the text of the key.
MessageAnswer ShowLanguageMessage(KeyboardSession& session, const std::string& key,
                                  MessageButtons buttons);

}  // namespace keyloom
