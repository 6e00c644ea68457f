#include "preview/LightingPreview.h"

#include <utility>

namespace keyloom {

LightingPreview::LightingPreview() : LightingPreview(ClockSeededRandom()) {}

LightingPreview::LightingPreview(PreviewRandom random)
    : random_(std::move(random)), generators_(random_) {}

void LightingPreview::Reset() {
    resetDone_ = false;
}

PreviewStep LightingPreview::Tick(const LightingValues& values, PreviewFrame& frame) {
    if (!resetDone_) {
        generators_.ResetAll();
        resetDone_ = true;
    }
    if (values.mode == MODE_USER) {
        return PreviewStep::kKeep;
    }
    PreviewGenerator* generator = generators_.Of(values);
    if (generator == nullptr) {
        frame.fill(NO_KEY_FRAME);
        return PreviewStep::kClear;
    }
    return generator->Run(values, frame) ? PreviewStep::kFrame : PreviewStep::kKeep;
}

}  // namespace keyloom
