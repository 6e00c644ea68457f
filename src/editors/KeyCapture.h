#pragma once

// Takes the keyboard for the key settings dialog: one key to act as, or the key strokes of a
// macro. The keys reach the dialog instead of the other widgets and the desktop, Super and Menu
// included; media keys keep working.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <set>

#include "model/ScanCode.h"

namespace keyloom {

class KeyCapture : public QObject {
    Q_OBJECT
  public:
    enum class Mode { kOff, kCapture, kRecord };

    // Watches the key events of the whole application for `dialog`, and grabs the keyboard for it
    // while on. The dialog outlives this object.
    explicit KeyCapture(QWidget& dialog);
    ~KeyCapture() override;

    // Leaving a mode forgets the keys it saw held.
    void SetMode(Mode mode);
    Mode CurrentMode() const;

    // Capture: whether ordinary keys are taken (the dialog's keyboard check box); Super and Menu
    // are taken either way.
    void SetTakeKeys(bool take);

  signals:
    // A fresh press; a key of SingleEventKeySet counts on its release.
    void captured(ScanCode code);
    // A press or a release; a held key's repeats are left out, and a key of SingleEventKeySet
    // comes as its release alone, which the recorder completes with a press.
    void recorded(ScanCode code, bool press);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Stroke { kNone, kPress, kRelease };

    Stroke StrokeOf(QEvent::Type type, ScanCode code, bool autoRepeat);
    void Deliver(Stroke stroke, ScanCode code);
    void FollowDialog(QEvent::Type type);
    void UpdateGrab();

    QWidget& dialog_;
    Mode mode_ = Mode::kOff;
    bool takeKeys_ = true;
    std::set<ScanCode> held_;
};

}  // namespace keyloom
