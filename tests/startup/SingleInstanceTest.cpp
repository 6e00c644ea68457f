#include "startup/SingleInstance.h"

#include <gtest/gtest.h>

#include <vector>

#include "session/WindowMessages.h"

namespace keyloom {
namespace {

struct Delivery {
    pid_t pid;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    bool operator==(const Delivery&) const = default;
};

// A system with a scripted lock, process list and running instance, recording what is done.
class FakeEnvironment : public InstanceEnvironment {
  public:
    FakeEnvironment(InstanceLockState lock, pid_t running, bool answers)
        : lock_(lock), running_(running), answers_(answers) {}

    InstanceLockState TakeLock() override {
        ++lockAttempts;
        return lock_;
    }
    pid_t FindOtherInstance() override { return running_; }
    std::optional<intptr_t> Deliver(pid_t pid, const InstanceRequest& request) override {
        deliveries.push_back({pid, request.message, request.wParam, request.lParam});
        return answers_ ? std::optional<intptr_t>(0) : std::nullopt;
    }
    void StartDaemon() override { ++daemonStarts; }

    int lockAttempts = 0;
    int daemonStarts = 0;
    std::vector<Delivery> deliveries;

  private:
    InstanceLockState lock_;
    pid_t running_;
    bool answers_;
};

constexpr pid_t kRunning = 4242;
constexpr auto kTaken = InstanceLockState::kTaken;
constexpr auto kHeld = InstanceLockState::kHeldElsewhere;

struct StartCase {
    const char* what;
    std::vector<std::string> args;
    InstanceLockState lock;
    pid_t running;  // -1: no process list
    bool answers;
    bool runs;
    int exitCode;
    std::vector<Delivery> deliveries;
};

const Delivery kOpen{kRunning, UM_OPEN, TAG_OPEN, 0};
const Delivery kKill{kRunning, UM_KILL, 0x4C4C494B, 0};
const Delivery kApply{kRunning, MSG_APPLY, 0, 0};
const Delivery kUpdate{kRunning, MSG_COMMAND, CMD_ID_FIRMWARE_UPDATE, 0};

// clang-format off
const StartCase kStartCases[] = {
    {"first start",                {},                   kTaken, 0,        true,  true,  0, {}},
    {"second start",               {},                   kHeld,  kRunning, true,  false, 0, {kOpen}},
    {"first has no window yet",    {},                   kHeld,  kRunning, false, false, 0, {kOpen}},
    {"only this process found",    {},                   kHeld,  0,        true,  false, 0, {}},
    {"held lock, no process list", {},                   kHeld,  -1,       true,  true,  0, {}},
    {"/Start /kill",               {"/Start", "/kill"},  kHeld,  kRunning, true,  false, 0, {kKill}},
    {"/KILL, none running",        {"/KILL"},            kTaken, 0,        true,  false, 0, {}},
    {"/Kill, no process list",     {"/Kill"},            kTaken, -1,       true,  true,  0, {}},
    {"--send apply",               {"--send", "apply"},  kHeld,  kRunning, true,  false, 0, {kApply}},
    {"--send a raw message",       {"--send", "0x001E"}, kHeld,  kRunning, true,  false, 2, {}},
    {"--send update",              {"--send", "update"}, kHeld,  kRunning, true,  false, 0, {kUpdate}},
    {"--send, none running",       {"--send", "apply"},  kTaken, 0,        true,  false, 1, {}},
    {"--send, not answered",       {"--send", "apply"},  kHeld,  kRunning, false, false, 1, {kApply}},
    {"--send, not understood",     {"--send", "aply"},   kHeld,  kRunning, true,  false, 2, {}},
};
// clang-format on

TEST(SingleInstanceTest, EachStartRunsOrHandsOverAndEnds) {
    for (const StartCase& start : kStartCases) {
        SCOPED_TRACE(start.what);
        FakeEnvironment system(start.lock, start.running, start.answers);
        const InstanceDecision decision = SettleInstance(ParseStartupSwitches(start.args), system);
        EXPECT_EQ(decision.run, start.runs);
        EXPECT_EQ(decision.exitCode, start.exitCode);
        EXPECT_EQ(system.deliveries, start.deliveries);
        // Only the instance that goes on starts the daemon; a hand-over never takes the lock.
        EXPECT_EQ(system.daemonStarts, start.runs ? 1 : 0);
        if (!start.args.empty() && !start.runs) {
            EXPECT_EQ(system.lockAttempts, 0);
        }
    }
}

TEST(SingleInstanceTest, StartSwitchInAnyLetterCaseStartsHidden) {
    for (const auto& args : {std::vector<std::string>{"/START", "--simulate"},
                             std::vector<std::string>{"/kill", "/start", "--simulate"}}) {
        FakeEnvironment system(kTaken, -1, true);
        const InstanceDecision decision = SettleInstance(ParseStartupSwitches(args), system);
        EXPECT_TRUE(decision.run);
        EXPECT_TRUE(decision.noAutoShow);
        EXPECT_TRUE(decision.simulate);
    }
    FakeEnvironment system(kTaken, 0, true);
    EXPECT_FALSE(SettleInstance(ParseStartupSwitches({"unknown"}), system).noAutoShow);
}

TEST(SingleInstanceTest, OtherProcessesMaySendOnlyOpenKillApplyAndUpdate) {
    const struct {
        InstanceRequest request;
        bool accepted;
    } kCases[] = {
        {{UM_OPEN, TAG_OPEN, 0}, true},
        {{UM_KILL, TAG_KILL, 0}, true},
        {{MSG_APPLY, 0, 0}, true},
        {{MSG_COMMAND, CMD_ID_FIRMWARE_UPDATE, 0}, true},
        {{UM_PROFILE_RELOAD, TAG_PROF, 0}, false},
        {{UM_INIT, TAG_INIT, 0}, false},
        {{UM_LANGUAGE, TAG_LANG, 1}, false},
        {{UM_DEVICE_GONE, 0, 0}, false},
        {{UM_OPEN, TAG_KILL, 0}, false},
        {{MSG_COMMAND, CMD_ID_APPLY, 0}, false},
        {{MSG_TIMER, TIMER_PROFILE_CHANGED, 0}, false},
        {{0, 0, 0}, false},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(AcceptedFromOtherProcess(c.request), c.accepted)
            << c.request.message << "," << c.request.wParam;
    }
}

}  // namespace
}  // namespace keyloom
