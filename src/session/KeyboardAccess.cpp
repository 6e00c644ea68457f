#include "session/KeyboardAccess.h"

#include "platform/Log.h"
#include "platform/SafeFormat.h"
#include "session/LanguageMessage.h"

namespace keyloom {

namespace {

constexpr char kNoAccessText[] = "MAIN_NO_ACCESS_PROMPT";

}  // namespace

bool ReportAccessProblem(KeyboardSession& session) {
    const TransportCalls& transport = session.link.Transport();
    if (transport.DeviceCount(CONFIG_COLLECTION) > 0) {
        return false;
    }
    const std::optional<std::string> node = transport.RefusedNode();
    if (!node) {
        return false;
    }
    LogWarning("no permission to open the keyboard's node " + *node);
    session.context.window->ShowMessage(
        kNoAccessText, FormatWithString(SessionText(session, kNoAccessText), *node),
        MessageButtons::kOk);
    return true;
}

}  // namespace keyloom
