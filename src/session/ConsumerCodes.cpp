#include "session/ConsumerCodes.h"

#include <chrono>
#include <thread>

#include "session/ActiveProfile.h"
#include "session/DeviceStateWorker.h"
#include "session/GKeyBank.h"
#include "session/KeyboardSession.h"

namespace keyloom {

namespace {

constexpr std::chrono::milliseconds kTrayIconPoll{1};

WindowPort& Window(KeyboardSession& session) {
    return *session.context.window;
}

void SwitchBank(KeyboardSession& session, uint16_t) {
    SwitchGKeyBank(session);
}

// The window re-reads at once, on its own thread, what the keyboard changed.
template <uint32_t timer>
void ArmTimer(KeyboardSession& session, uint16_t) {
    Window(session).SetTimer(timer, 0);
}

void RunTrayIconWorker(KeyboardSession& session, uint16_t code) {
    for (bool idle = false; !session.trayIconBusy.compare_exchange_weak(idle, true); idle = false) {
        std::this_thread::sleep_for(kTrayIconPoll);
    }
    ChangeTrayIcon(session,
                   code == CONSUMER_SPECIAL_ON ? TRAY_ICON_SPECIAL : session.normalTrayIcon.load());
    std::this_thread::sleep_for(kTrayIconPoll);
    session.trayIconBusy = false;
}

void StartTrayIconWorker(KeyboardSession& session, uint16_t code) {
    StartSessionThread(session, [&session, code] { RunTrayIconWorker(session, code); });
}

struct ConsumerCodeAction {
    uint16_t first;
    uint16_t last;
    void (*act)(KeyboardSession& session, uint16_t code);  // null: accepted, no effect
};

constexpr ConsumerCodeAction kConsumerCodeActions[] = {
    {CONSUMER_BANK_KEY, CONSUMER_BANK_KEY, SwitchBank},
    {CONSUMER_LIGHTING_CHANGED, CONSUMER_LIGHTING_CHANGED, ArmTimer<TIMER_LIGHTING_CHANGED>},
    {CONSUMER_PROFILE_CHANGED, CONSUMER_PROFILE_CHANGED, ArmTimer<TIMER_PROFILE_CHANGED>},
    {CONSUMER_ACCEPTED_FIRST, CONSUMER_ACCEPTED_LAST, nullptr},
    {CONSUMER_SPECIAL_OFF, CONSUMER_SPECIAL_ON, StartTrayIconWorker},
};

}  // namespace

void OnConsumerCode(KeyboardSession& session, uint16_t code) {
    session.events.Raise({SessionEventKind::kConsumerCode, code});
    for (const ConsumerCodeAction& entry : kConsumerCodeActions) {
        if (code >= entry.first && code <= entry.last) {
            if (entry.act != nullptr) {
                entry.act(session, code);
            }
            return;
        }
    }
}

bool ReadProfileAfterChange(KeyboardSession& session) {
    Window(session).KillTimer(TIMER_PROFILE_CHANGED);
    const auto config = ReadConfigBlock(session);
    if (config) {
        session.context.activeProfileCache = (*config)[CONFIG_ACTIVE_PROFILE];
        session.events.Raise({SessionEventKind::kProfileChanged, (*config)[CONFIG_ACTIVE_PROFILE]});
    }
    return config.has_value();
}

}  // namespace keyloom
