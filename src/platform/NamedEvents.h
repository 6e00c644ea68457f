#pragma once

#include <semaphore.h>

#include <string>
#include <vector>

namespace keyloom {

// A numbered set of named events that other processes can open by name: POSIX named semaphores
// "/<prefix>Main_01", "/<prefix>Main_02" ... (numbers from 100 on have three digits), created
// not signalled and for this user only. The tool itself neither signals nor waits on them.
class NamedEvents {
  public:
    NamedEvents() = default;
    ~NamedEvents();
    NamedEvents(const NamedEvents&) = delete;
    NamedEvents& operator=(const NamedEvents&) = delete;

    // Creates events 1 to `count`, each new: one of the same name left behind by a process that
    // crashed is removed first, so nobody keeps waiting on an old one. One that cannot be created
    // is left out. Events created before are closed first.
    void Create(const std::string& prefix, int count);
    // Closes every event and removes its name.
    void Close();
    // How many events are open.
    size_t OpenCount() const { return events_.size(); }

    // The name of event `number` of a set.
    static std::string Name(const std::string& prefix, int number);

  private:
    struct Event {
        std::string name;
        sem_t* handle;
    };
    std::vector<Event> events_;
};

// The prefix and size of the main window's set.
inline constexpr const char* MAIN_EVENT_PREFIX = "Keyloom_Event_";
inline constexpr int MAIN_EVENT_COUNT = 210;

// Semaphore names are shared by every user of the machine, so each user's set carries the user
// id: "<prefix>u<uid>_".
std::string UserEventPrefix(const std::string& prefix);

}  // namespace keyloom
