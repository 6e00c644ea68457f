#include "platform/NamedEvents.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/Log.h"

namespace keyloom {

namespace {

constexpr mode_t kOwnerOnly = 0600;

}  // namespace

NamedEvents::~NamedEvents() {
    Close();
}

void NamedEvents::Create(const std::string& prefix, int count) {
    Close();
    for (int number = 1; number <= count; ++number) {
        std::string name = Name(prefix, number);
        sem_unlink(name.c_str());
        sem_t* handle = sem_open(name.c_str(), O_CREAT, kOwnerOnly, 0u);
        if (handle == SEM_FAILED) {
            LogWarning(FileErrorText("cannot create the named event", name, errno));
            continue;
        }
        events_.push_back({std::move(name), handle});
    }
}

void NamedEvents::Close() {
    for (const Event& event : events_) {
        sem_close(event.handle);
        sem_unlink(event.name.c_str());
    }
    events_.clear();
}

std::string UserEventPrefix(const std::string& prefix) {
    return prefix + "u" + std::to_string(getuid()) + "_";
}

std::string NamedEvents::Name(const std::string& prefix, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return "/" + prefix + "Main_" + digits;
}

}  // namespace keyloom
