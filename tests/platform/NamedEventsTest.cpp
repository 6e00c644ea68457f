#include "platform/NamedEvents.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

TEST(NamedEventsTest, NamesCountFromOneWithTwoDigitsAndThreeFromOneHundredPerUser) {
    const std::string user = "/Keyloom_Event_u" + std::to_string(getuid()) + "_";
    const std::string prefix = UserEventPrefix(MAIN_EVENT_PREFIX);
    EXPECT_EQ(NamedEvents::Name(prefix, 1), user + "Main_01");
    EXPECT_EQ(NamedEvents::Name(prefix, 99), user + "Main_99");
    EXPECT_EQ(NamedEvents::Name(prefix, 210), user + "Main_210");
}

TEST(NamedEventsTest, OneLeftBehindByACrashIsReplacedByANewOneOnlyThisUserMayOpen) {
    const std::string prefix = PrivatePrefix();
    const std::string name = NamedEvents::Name(prefix, 1);
    const mode_t mask = umask(0);
    sem_t* stale = sem_open(name.c_str(), O_CREAT, 0666, 1u);
    umask(mask);
    ASSERT_NE(stale, SEM_FAILED);
    sem_close(stale);

    NamedEvents events;
    events.Create(prefix, 1);
    ASSERT_EQ(events.OpenCount(), 1u);
    sem_t* fresh = sem_open(name.c_str(), 0);
    ASSERT_NE(fresh, SEM_FAILED);
    EXPECT_EQ(sem_trywait(fresh), -1) << "the old, signalled one is still there";
    sem_close(fresh);
    struct stat file {};
    ASSERT_EQ(stat(("/dev/shm/sem." + name.substr(1)).c_str(), &file), 0);
    EXPECT_EQ(file.st_mode & 0777, 0600u);
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
