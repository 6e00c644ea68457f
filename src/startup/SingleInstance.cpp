#include "startup/SingleInstance.h"

#include "session/WindowMessages.h"

namespace keyloom {

namespace {

constexpr InstanceRequest kKillRequest{UM_KILL, TAG_KILL, 0};
constexpr InstanceRequest kOpenRequest{UM_OPEN, TAG_OPEN, 0};

InstanceDecision End(int exitCode) {
    return {false, exitCode, false, false};
}

// `running` 0: the search found only this process, whose window does not exist yet, so there is
// nothing to deliver to.
bool HandOver(InstanceEnvironment& environment, pid_t running, const InstanceRequest& request) {
    return running > 0 && environment.Deliver(running, request).has_value();
}

constexpr InstanceRequest kApplyRequest{MSG_APPLY, 0, 0};
constexpr InstanceRequest kUpdateRequest{MSG_COMMAND, CMD_ID_FIRMWARE_UPDATE, 0};

}  // namespace

bool AcceptedFromOtherProcess(const InstanceRequest& request) {
    static constexpr InstanceRequest kAccepted[] = {kOpenRequest, kKillRequest, kApplyRequest,
                                                    kUpdateRequest};
    for (const InstanceRequest& accepted : kAccepted) {
        // The apply is a posted message, which carries nothing in its parameters.
        if (request.message == accepted.message &&
            (request.message == MSG_APPLY || request.wParam == accepted.wParam)) {
            return true;
        }
    }
    return false;
}

InstanceDecision SettleInstance(const StartupSwitches& switches, InstanceEnvironment& environment) {
    if (switches.invalid) {
        return End(EXIT_INVALID_SWITCH);
    }
    if (switches.kill) {
        const pid_t running = environment.FindOtherInstance();
        if (running >= 0) {
            HandOver(environment, running, kKillRequest);
            return End(EXIT_HANDED_OVER);
        }
    }
    if (switches.send) {
        const pid_t running = environment.FindOtherInstance();
        const bool delivered = HandOver(environment, running, *switches.send);
        return End(delivered ? EXIT_HANDED_OVER : EXIT_NOT_DELIVERED);
    }
    if (environment.TakeLock() == InstanceLockState::kHeldElsewhere) {
        const pid_t running = environment.FindOtherInstance();
        if (running >= 0) {
            HandOver(environment, running, kOpenRequest);
            return End(EXIT_HANDED_OVER);
        }
    }
    environment.StartDaemon();
    return {true, 0, switches.startHidden, switches.simulate};
}

}  // namespace keyloom
