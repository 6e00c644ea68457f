#include "session/LanguageMessage.h"

#include "platform/Log.h"

#include "storage/LanguageTables.h"

namespace keyloom {

std::string SessionText(const KeyboardSession& session, const std::string& key) {
    return LangText(key, LanguageSlot(), session.paths.executableFolder);
}

MessageAnswer ShowLanguageMessage(KeyboardSession& session, const std::string& key,
                                  MessageButtons buttons) {
    LogInfo("message " + key);
    return session.context.window->ShowMessage(key, SessionText(session, key), buttons);
}

}  // namespace keyloom
