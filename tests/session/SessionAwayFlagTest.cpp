#include "session/SessionAwayFlag.h"

#include <gtest/gtest.h>

#include <vector>

namespace keyloom {
namespace {

struct EventSequence {
    std::vector<uint32_t> events;
    bool away;
};

// clang-format off
const EventSequence kSequences[] = {
    {{SESSION_LOCK},                                                          true},
    {{SESSION_LOCK, SESSION_CONSOLE_CONNECT, 5},                              true},
    {{SESSION_LOCK, SESSION_UNLOCK},                                          false},
    {{SESSION_CONSOLE_DISCONNECT, SESSION_LOCK, SESSION_UNLOCK},              true},
    {{SESSION_CONSOLE_DISCONNECT, SESSION_LOCK, SESSION_CONSOLE_CONNECT},     false},
    {{SESSION_UNLOCK, SESSION_CONSOLE_CONNECT},                               false},
    {{SESSION_UNLOCK, SESSION_LOCK},                                          true},
};
// clang-format on

TEST(SessionAwayFlagTest, OnlyTheEventThatEndsTheAwayStateClearsIt) {
    for (const EventSequence& sequence : kSequences) {
        SessionAwayFlag flag;
        for (const uint32_t event : sequence.events) {
            flag.OnSessionChange(event);
        }
        EXPECT_EQ(flag.Away(), sequence.away) << "sequence " << &sequence - kSequences;
    }
}

}  // namespace
}  // namespace keyloom
