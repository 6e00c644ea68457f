#include "session/SessionEvents.h"

namespace keyloom {

void SessionEvents::Listen(Listener listener) {
    std::lock_guard lock(lock_);
    listener_ = std::move(listener);
}

void SessionEvents::Raise(SessionEvent event) {
    std::lock_guard lock(lock_);
    if (listener_) {
        listener_(event);
    }
}

}  // namespace keyloom
