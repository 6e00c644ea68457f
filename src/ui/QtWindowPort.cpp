#include "ui/QtWindowPort.h"

#include <QThread>

#include "session/WindowMessages.h"

namespace keyloom {

namespace {

// What a box answers when nobody can see it: its default button.
MessageAnswer DefaultAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::kYesNo:
            return MessageAnswer::kYes;
        case MessageButtons::kYesNoDefaultNo:
            return MessageAnswer::kNo;
        case MessageButtons::kOk:
            break;
    }
    return MessageAnswer::kOk;
}

}  // namespace

QtWindowPort::QtWindowPort(WindowSurface& surface, MessagePrompter& prompter)
    : surface_(surface), prompter_(prompter) {}

QtWindowPort::~QtWindowPort() = default;

void QtWindowPort::Close() {
    {
        std::lock_guard lock(callsLock_);
        closed_ = true;
    }
    callEnded_.notify_all();
    timers_.clear();
}

intptr_t QtWindowPort::SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    intptr_t result = 0;
    RunAndWait([&] { result = surface_.HandleMessage(message, wParam, lParam); });
    return result;
}

void QtWindowPort::PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    RunLater([this, message, wParam, lParam] { surface_.HandleMessage(message, wParam, lParam); });
}

void QtWindowPort::SetTimer(uint32_t id, uint32_t milliseconds) {
    RunLater([this, id, milliseconds] { StartTimer(id, milliseconds); });
}

void QtWindowPort::KillTimer(uint32_t id) {
    if (OnWindowThread()) {
        StopTimer(id);
        return;
    }
    RunLater([this, id] { StopTimer(id); });
}

MessageAnswer QtWindowPort::ShowMessage(const std::string& languageKey, const std::string& text,
                                        MessageButtons buttons) {
    MessageAnswer answer = DefaultAnswer(buttons);
    const bool offWindowThread = !OnWindowThread();
    RunAndWait([&] {
        const bool topMost = offWindowThread || !surface_.MainWindowShown();
        answer = prompter_.Ask(languageKey, QString::fromStdString(text), buttons, topMost);
    });
    return answer;
}

void QtWindowPort::SetApplyEnabled(bool enabled) {
    applyEnabled_ = enabled;
    RunAndWait([this, enabled] { surface_.SetApplyEnabled(enabled); });
}

void QtWindowPort::HideWindow() {
    RunAndWait([this] { surface_.HideWindow(); });
}

void QtWindowPort::SetTrayIcon(int iconId) {
    RunAndWait([this, iconId] { surface_.SetTrayIcon(iconId); });
}

void QtWindowPort::SetBusyPictureVisible(bool visible) {
    RunAndWait([this, visible] { surface_.SetBusyPictureVisible(visible); });
}

void QtWindowPort::SetProfileCaption(const std::string& caption, const std::string& tooltip) {
    RunAndWait([&] {
        surface_.SetProfileCaption(QString::fromStdString(caption),
                                   QString::fromStdString(tooltip));
    });
}

void QtWindowPort::RedrawKeyMarks() {
    RunAndWait([this] { surface_.RedrawKeyMarks(); });
}

void QtWindowPort::MarkProfileInManager(int profile) {
    RunAndWait([this, profile] { surface_.MarkProfileInManager(profile); });
}

bool QtWindowPort::TimerActive(uint32_t id) const {
    const auto timer = timers_.find(id);
    return timer != timers_.end() && timer->second->isActive();
}

bool QtWindowPort::OnWindowThread() const {
    return QThread::currentThread() == thread();
}

// Both the start of a call and Close() happen on the window thread, so a call either begins
// before the port closes (and its caller waits for its end: a message box it shows is closed by
// the exit) or never begins (and its caller, which may be gone by then, is never touched).
void QtWindowPort::RunAndWait(const std::function<void()>& work) {
    if (OnWindowThread()) {
        work();
        return;
    }
    struct CallState {
        bool begun = false;
        bool ended = false;
    };
    const auto call = std::make_shared<CallState>();
    {
        std::lock_guard lock(callsLock_);
        if (closed_) {
            return;
        }
    }
    QMetaObject::invokeMethod(
        this,
        [this, call, &work] {
            {
                std::lock_guard lock(callsLock_);
                if (closed_) {
                    return;
                }
                call->begun = true;
            }
            work();
            {
                std::lock_guard lock(callsLock_);
                call->ended = true;
            }
            callEnded_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(callsLock_);
    callEnded_.wait(lock, [&] { return call->ended || (closed_ && !call->begun); });
}

void QtWindowPort::RunLater(std::function<void()> work) {
    if (closed_) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, work = std::move(work)] {
            if (!closed_) {
                work();
            }
        },
        Qt::QueuedConnection);
}

void QtWindowPort::StartTimer(uint32_t id, uint32_t milliseconds) {
    std::unique_ptr<QTimer>& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, this,
                         [this, id] { surface_.HandleMessage(MSG_TIMER, id, 0); });
    }
    timer->start(static_cast<int>(milliseconds));
}

void QtWindowPort::StopTimer(uint32_t id) {
    const auto timer = timers_.find(id);
    if (timer != timers_.end()) {
        timer->second->stop();
    }
}

}  // namespace keyloom
