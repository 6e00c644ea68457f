#include "startup/HeadlessHost.h"

#include "session/WindowMessages.h"

namespace keyloom {

HeadlessHost::HeadlessHost() {
    thread_ = std::thread(&HeadlessHost::Run, this);
}

HeadlessHost::~HeadlessHost() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void HeadlessHost::SetHandler(Handler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

void HeadlessHost::SetInitComplete(bool complete) {
    std::lock_guard lock(mutex_);
    initComplete_ = complete;
}

void HeadlessHost::AnswerQuestionsWith(std::optional<MessageAnswer> answer) {
    std::lock_guard lock(mutex_);
    scriptedAnswer_ = answer;
}

void HeadlessHost::OnMessageShown(std::function<void(const ShownMessage&)> listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

std::vector<HeadlessHost::ShownMessage> HeadlessHost::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

int HeadlessHost::TrayIcon() const {
    std::lock_guard lock(mutex_);
    return trayIcon_;
}

bool HeadlessHost::WindowHidden() const {
    std::lock_guard lock(mutex_);
    return hidden_;
}

std::string HeadlessHost::ProfileCaption() const {
    std::lock_guard lock(mutex_);
    return caption_;
}

void HeadlessHost::WaitIdle() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return queue_.empty() && !handling_; });
}

intptr_t HeadlessHost::SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    // A message sent from the window thread to itself runs at once, as the window system does.
    if (OnHostThread()) {
        return Dispatch(message, wParam, lParam);
    }
    std::optional<intptr_t> result;
    std::unique_lock lock(mutex_);
    if (stopping_) {
        return 0;
    }
    queue_.push_back({message, wParam, lParam, &result});
    wake_.notify_all();
    wake_.wait(lock, [&] { return result.has_value() || stopping_; });
    return result.value_or(0);
}

void HeadlessHost::PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    std::lock_guard lock(mutex_);
    queue_.push_back({message, wParam, lParam, nullptr});
    wake_.notify_all();
}

void HeadlessHost::SetTimer(uint32_t id, uint32_t milliseconds) {
    std::lock_guard lock(mutex_);
    const std::chrono::milliseconds period(milliseconds);
    timers_[id] = {period, Clock::now() + period};
    wake_.notify_all();
}

void HeadlessHost::KillTimer(uint32_t id) {
    std::lock_guard lock(mutex_);
    timers_.erase(id);
}

MessageAnswer HeadlessHost::ShowMessage(const std::string& languageKey, const std::string& text,
                                        MessageButtons buttons) {
    std::function<void(const ShownMessage&)> listener;
    ShownMessage shown{languageKey, text, buttons, MessageAnswer::kOk};
    {
        std::lock_guard lock(mutex_);
        if (buttons == MessageButtons::kYesNo) {
            shown.answer = scriptedAnswer_.value_or(MessageAnswer::kYes);
        } else if (buttons == MessageButtons::kYesNoDefaultNo) {
            shown.answer = scriptedAnswer_.value_or(MessageAnswer::kNo);
        }
        messages_.push_back(shown);
        listener = listener_;
    }
    if (listener) {
        listener(shown);
    }
    return shown.answer;
}

void HeadlessHost::SetApplyEnabled(bool enabled) {
    std::lock_guard lock(mutex_);
    applyEnabled_ = enabled;
}

bool HeadlessHost::ApplyEnabled() const {
    std::lock_guard lock(mutex_);
    return applyEnabled_;
}

bool HeadlessHost::InitComplete() const {
    std::lock_guard lock(mutex_);
    return initComplete_;
}

void HeadlessHost::HideWindow() {
    std::lock_guard lock(mutex_);
    hidden_ = true;
}

void HeadlessHost::SetTrayIcon(int iconId) {
    std::lock_guard lock(mutex_);
    trayIcon_ = iconId;
}

void HeadlessHost::SetProfileCaption(const std::string& caption, const std::string&) {
    std::lock_guard lock(mutex_);
    caption_ = caption;
}

intptr_t HeadlessHost::Dispatch(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Handler handler;
    {
        std::lock_guard lock(mutex_);
        handler = handler_;
        if (message == UM_OPEN && wParam == TAG_OPEN) {
            hidden_ = false;
        }
    }
    return handler ? handler(message, wParam, lParam) : 0;
}

std::optional<uint32_t> HeadlessHost::TakeDueTimer(Clock::time_point now) {
    for (auto& [id, timer] : timers_) {
        if (timer.due <= now) {
            timer.due = now + timer.period;
            return id;
        }
    }
    return std::nullopt;
}

void HeadlessHost::Run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!queue_.empty()) {
            Queued next = queue_.front();
            queue_.pop_front();
            handling_ = true;
            lock.unlock();
            const intptr_t result = Dispatch(next.message, next.wParam, next.lParam);
            lock.lock();
            handling_ = false;
            if (next.result != nullptr) {
                *next.result = result;
            }
            wake_.notify_all();
            continue;
        }
        if (const auto due = TakeDueTimer(Clock::now())) {
            lock.unlock();
            Dispatch(MSG_TIMER, *due, 0);
            lock.lock();
            continue;
        }
        auto until = Clock::now() + std::chrono::hours(1);
        for (const auto& [id, timer] : timers_) {
            until = std::min(until, timer.due);
        }
        wake_.wait_until(lock, until);
    }
    wake_.notify_all();
}

}  // namespace keyloom
