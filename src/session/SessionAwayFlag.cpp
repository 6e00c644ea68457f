#include "session/SessionAwayFlag.h"

namespace keyloom {

namespace {

struct AwayState {
    uint32_t beginning;
    uint32_t ending;
};

constexpr AwayState kAwayStates[] = {
    {SESSION_CONSOLE_DISCONNECT, SESSION_CONSOLE_CONNECT},
    {SESSION_LOCK, SESSION_UNLOCK},
};

}  // namespace

void SessionAwayFlag::OnSessionChange(uint32_t event) {
    if (away_) {
        away_ = event != endingEvent_;
        return;
    }
    for (const auto& state : kAwayStates) {
        if (event == state.beginning) {
            away_ = true;
            endingEvent_ = state.ending;
        }
    }
}

}  // namespace keyloom
