#pragma once

// The lighting panel's state without a window: what the core's lighting operations read and
// change for the keyboard's active profile, kept as the window's lighting panel keeps it.

#include "session/KeyboardSession.h"
#include "session/LightingContext.h"
#include "storage/UserDataFolder.h"

namespace keyloom {

class CtlLighting {
  public:
    explicit CtlLighting(KeyboardSession& session) : session_(session) {}
    CtlLighting(const CtlLighting&) = delete;
    CtlLighting& operator=(const CtlLighting&) = delete;

    // The active profile's lighting, read as the window reads it; false, with the reason
    // printed, when it cannot be.
    [[nodiscard]] bool Read();

    LightingContext Context() { return {session_.link.Exchange(), state_, display_, files_}; }
    LightingState& State() { return state_; }
    const UserDataFolder& Files() const { return files_; }

  private:
    // The mode box shows the keyboard's mode; frames and the preset box have nothing to draw on.
    class Display final : public LightingDisplay {
      public:
        explicit Display(const LightingState& state) : state_(state) {}
        void ClearModeBox() override {}
        int SelectedModeItem() const override {
            return state_.modes.ItemOfMode(state_.values.mode);
        }
        void SetKeyFrame(int, bool, Color) override {}
        void FillPresetBox(std::span<const std::string>) override {}

      private:
        const LightingState& state_;
    };

    KeyboardSession& session_;
    LightingState state_;
    Display display_{state_};
    UserDataFolder files_ = UserDataFolder::OfThisUser();
};

}  // namespace keyloom
