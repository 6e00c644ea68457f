#include "editors/KeyCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <array>

#include "editors/KeyEventScanCode.h"
#include "model/KeySets.h"

namespace keyloom {

namespace {

// Left Super, right Super and Menu: the desktop acts on them, so capture takes them whatever the
// keyboard check box says.
constexpr std::array<ScanCode, 3> kDesktopKeys = {0x15B, 0x15C, 0x15D};

bool IsDesktopKey(ScanCode code) {
    return std::find(kDesktopKeys.begin(), kDesktopKeys.end(), code) != kDesktopKeys.end();
}

bool IsKeyEvent(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease ||
           type == QEvent::ShortcutOverride;
}

}  // namespace

KeyCapture::KeyCapture(QWidget& dialog) : dialog_(dialog) {}

KeyCapture::~KeyCapture() {
    SetMode(Mode::kOff);
}

void KeyCapture::SetMode(Mode mode) {
    if (mode == mode_) {
        return;
    }
    held_.clear();
    if (mode_ == Mode::kOff) {
        QCoreApplication::instance()->installEventFilter(this);
    } else if (mode == Mode::kOff) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    mode_ = mode;
    UpdateGrab();
}

KeyCapture::Mode KeyCapture::CurrentMode() const {
    return mode_;
}

void KeyCapture::SetTakeKeys(bool take) {
    takeKeys_ = take;
}

bool KeyCapture::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &dialog_) {
        FollowDialog(event->type());
    }
    if (!IsKeyEvent(event->type())) {
        return false;
    }
    auto& key = static_cast<QKeyEvent&>(*event);
    const ScanCode code = ScanCodeOfKeyEvent(key);
    if (code == 0 || IsMediaKey(code)) {
        return false;
    }
    // An accepted shortcut override keeps the key from firing a shortcut (F1, for one) before it
    // arrives as a press.
    if (event->type() != QEvent::ShortcutOverride) {
        Deliver(StrokeOf(event->type(), code, key.isAutoRepeat()), code);
    }
    event->accept();
    return true;
}

// Only a key's first press and its release count: autorepeat, and a second press of a key
// already held (as some desktops repeat), are left out. A release of a key not seen pressed
// belongs to a stroke that began before: the key that started the recording, or a key already
// held then. It is dropped, so a macro never lets go of a key it did not press.
KeyCapture::Stroke KeyCapture::StrokeOf(QEvent::Type type, ScanCode code, bool autoRepeat) {
    if (autoRepeat) {
        return Stroke::kNone;
    }
    if (type == QEvent::KeyPress) {
        const bool fresh = held_.insert(code).second;
        return fresh && !IsSingleEventKey(code) ? Stroke::kPress : Stroke::kNone;
    }
    const bool wasHeld = held_.erase(code) > 0;
    return wasHeld || IsSingleEventKey(code) ? Stroke::kRelease : Stroke::kNone;
}

void KeyCapture::Deliver(Stroke stroke, ScanCode code) {
    if (stroke == Stroke::kNone) {
        return;
    }
    if (mode_ == Mode::kRecord) {
        emit recorded(code, stroke == Stroke::kPress);
        return;
    }
    const bool counts = stroke == Stroke::kPress || IsSingleEventKey(code);
    if (counts && (takeKeys_ || IsDesktopKey(code))) {
        emit captured(code);
    }
}

// The grab is taken again when the dialog becomes active: a grab asked for before its window is
// mapped does not hold on X11.
void KeyCapture::FollowDialog(QEvent::Type type) {
    if (type == QEvent::Show || type == QEvent::WindowActivate || type == QEvent::Hide) {
        UpdateGrab();
    }
}

void KeyCapture::UpdateGrab() {
    if (mode_ != Mode::kOff && dialog_.isVisible()) {
        dialog_.grabKeyboard();
    } else {
        dialog_.releaseKeyboard();
    }
}

}  // namespace keyloom
