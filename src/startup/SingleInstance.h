#pragma once

#include <sys/types.h>

#include <optional>

#include "platform/InstanceChannel.h"
#include "startup/StartupSwitches.h"

namespace keyloom {

enum class InstanceLockState {
    kTaken,          // this process is the first instance and keeps the lock
    kHeldElsewhere,  // another instance holds it
    kUnavailable,    // there is no lock to take; the start goes on without one
};

// What the instance check needs of the system. SystemInstanceEnvironment is the real one.
class InstanceEnvironment {
  public:
    virtual ~InstanceEnvironment() = default;

    // Tries to take the tool's instance lock and keeps it when taken.
    virtual InstanceLockState TakeLock() = 0;
    // The running instance: its pid; 0 when no other instance runs; -1 when the process list
    // cannot be read.
    virtual pid_t FindOtherInstance() = 0;
    // Hands the request to the instance's main window and waits until its handler has run: the
    // handler's result, or nothing when the request was not delivered.
    virtual std::optional<intptr_t> Deliver(pid_t pid, const InstanceRequest& request) = 0;
    // Starts the companion program; whether that works does not matter.
    virtual void StartDaemon() = 0;
};

// How a start goes on.
struct InstanceDecision {
    // true: this process is the instance that runs; false: it ends now with `exitCode`.
    bool run = false;
    int exitCode = 0;
    // For the instance that runs: NoAutoShow, and whether the virtual keyboard is used.
    bool noAutoShow = false;
    bool simulate = false;
};

// Exit codes of a start that ends at once.
inline constexpr int EXIT_HANDED_OVER = 0;     // the running instance was asked, or none runs
inline constexpr int EXIT_NOT_DELIVERED = 1;   // "--send" reached no running instance
inline constexpr int EXIT_INVALID_SWITCH = 2;  // "--send" with a message it does not understand

// The only requests other processes may send to the running instance: show the window (UM_OPEN),
// exit (UM_KILL), apply (MSG_APPLY) and open the firmware update (its command). Every other
// message would reach handlers that only the window itself should drive.
bool AcceptedFromOtherProcess(const InstanceRequest& request);

// Settles the single-instance question at the start of the tool, before any window exists.
// "/Kill" asks the running instance to exit (UM_KILL) and ends this start; it is ignored when the
// process list cannot be read. "--send" hands its message over and ends. Otherwise the first
// instance takes the lock; a later start asks the holder to show itself (UM_OPEN) and ends, or
// goes on as the first instance when the process list cannot be read. The instance that goes on
// starts the companion program.
InstanceDecision SettleInstance(const StartupSwitches& switches, InstanceEnvironment& environment);

}  // namespace keyloom
