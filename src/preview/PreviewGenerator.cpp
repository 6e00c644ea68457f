#include "preview/PreviewGenerator.h"

namespace keyloom {

bool PreviewGenerator::Run(const LightingValues& values, PreviewFrame& frame) {
    if (busy_) {
        return false;
    }
    busy_ = true;
    frame.fill(NO_KEY_FRAME);
    Step(values, frame);
    busy_ = false;
    return true;
}

}  // namespace keyloom
