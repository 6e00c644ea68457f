#include "platform/NamedEvents.h"

#include <fcntl.h>

#include <cstdio>

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
        sem_t* handle = sem_open(name.c_str(), O_CREAT, kOwnerOnly, 0u);
        if (handle != SEM_FAILED) {
            events_.push_back({std::move(name), handle});
        }
    }
}

void NamedEvents::Close() {
    for (const Event& event : events_) {
        sem_close(event.handle);
        sem_unlink(event.name.c_str());
    }
    events_.clear();
}

std::string NamedEvents::Name(const std::string& prefix, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return "/" + prefix + "Main_" + digits;
}

}  // namespace keyloom
