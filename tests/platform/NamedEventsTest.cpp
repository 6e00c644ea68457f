#include "platform/NamedEvents.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace keyloom {
namespace {

// A prefix of this process's own, so that parallel test runs and a running tool never share names.
std::string PrivatePrefix() {
    return "KeyloomTest_" + std::to_string(getpid()) + "_";
}

bool Exists(const std::string& name) {
    sem_t* handle = sem_open(name.c_str(), 0);
    if (handle == SEM_FAILED) {
        return false;
    }
    sem_close(handle);
    return true;
}

TEST(NamedEventsTest, NamesCountFromOneWithTwoDigitsAndThreeFromOneHundred) {
    EXPECT_EQ(NamedEvents::Name(MAIN_EVENT_PREFIX, 1), "/Keyloom_Event_Main_01");
    EXPECT_EQ(NamedEvents::Name(MAIN_EVENT_PREFIX, 99), "/Keyloom_Event_Main_99");
    EXPECT_EQ(NamedEvents::Name(MAIN_EVENT_PREFIX, 210), "/Keyloom_Event_Main_210");
}

TEST(NamedEventsTest, OtherProcessesOpenThemNotSignalledUntilTheyAreClosed) {
    const std::string prefix = PrivatePrefix();
    NamedEvents events;
    events.Create(prefix, MAIN_EVENT_COUNT);
    ASSERT_EQ(events.OpenCount(), static_cast<size_t>(MAIN_EVENT_COUNT));

    sem_t* last = sem_open(NamedEvents::Name(prefix, MAIN_EVENT_COUNT).c_str(), 0);
    ASSERT_NE(last, SEM_FAILED);
    EXPECT_EQ(sem_trywait(last), -1) << "created signalled";
    sem_close(last);
    EXPECT_FALSE(Exists(NamedEvents::Name(prefix, MAIN_EVENT_COUNT + 1)));

    events.Close();
    EXPECT_EQ(events.OpenCount(), 0u);
    EXPECT_FALSE(Exists(NamedEvents::Name(prefix, 1)));
    EXPECT_FALSE(Exists(NamedEvents::Name(prefix, MAIN_EVENT_COUNT)));
}

TEST(NamedEventsTest, DestructionRemovesTheNames) {
    const std::string prefix = PrivatePrefix();
    {
        NamedEvents events;
        events.Create(prefix, 3);
        EXPECT_TRUE(Exists(NamedEvents::Name(prefix, 3)));
    }
    EXPECT_FALSE(Exists(NamedEvents::Name(prefix, 3)));
}

}  // namespace
}  // namespace keyloom
