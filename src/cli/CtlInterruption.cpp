#include "cli/CtlInterruption.h"

namespace keyloom {

void CtlInterruption::Interrupt(int signal) {
    std::lock_guard lock(lock_);
    signal_ = signal;
    if (onInterrupt_) {
        onInterrupt_();
    }
}

int CtlInterruption::Signal() const {
    std::lock_guard lock(lock_);
    return signal_;
}

bool CtlInterruption::Expected() const {
    std::lock_guard lock(lock_);
    return expected_;
}

void CtlInterruption::OnInterrupt(std::function<void()> onInterrupt) {
    std::lock_guard lock(lock_);
    onInterrupt_ = std::move(onInterrupt);
    if (onInterrupt_) {
        expected_ = true;
        if (signal_ != 0) {
            onInterrupt_();
        }
    }
}

}  // namespace keyloom
