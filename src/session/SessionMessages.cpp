#include "session/SessionMessages.h"

#include "session/ApplyPipeline.h"
#include "session/ConsumerCodes.h"
#include "session/DeviceChannels.h"
#include "session/DeviceStateWorker.h"
#include "session/KeyboardSession.h"
#include "session/WindowMessages.h"

namespace keyloom {

namespace {

struct TaggedHandler {
    uint32_t message;
    uint32_t tag;
    void (*run)(KeyboardSession& session);
};

// Messages whose wParam must carry their tag. The bank change only redraws, so it is the
// window's alone.
constexpr TaggedHandler kTaggedHandlers[] = {
    {UM_PROFILE_RELOAD, TAG_PROF, [](KeyboardSession& s) { ReloadAfterArrival(s); }},
};

// 1 for a profile change whose configuration read worked, so that the window follows it.
intptr_t OnTimer(KeyboardSession& session, uintptr_t id) {
    if (id == TIMER_PROFILE_CHANGED) {
        return ReadProfileAfterChange(session) ? 1 : 0;
    }
    if (id == TIMER_LIGHTING_CHANGED) {
        session.context.window->KillTimer(TIMER_LIGHTING_CHANGED);
        session.events.Raise({SessionEventKind::kLightingChanged});
    }
    return 0;
}

}  // namespace

intptr_t HandleSessionMessage(KeyboardSession& session, uint32_t message, uintptr_t wParam,
                              intptr_t) {
    for (const auto& handler : kTaggedHandlers) {
        if (handler.message == message && handler.tag == wParam) {
            handler.run(session);
        }
    }
    if (message == MSG_APPLY || (message == MSG_COMMAND && wParam == CMD_ID_APPLY)) {
        ApplyChanges(session);
    } else if (message == MSG_TIMER) {
        return OnTimer(session, wParam);
    }
    return 0;
}

}  // namespace keyloom
