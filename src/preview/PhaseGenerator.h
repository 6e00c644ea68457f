#pragma once

// A generator whose whole state is one phase, 0 after a reset.

#include "preview/PreviewGenerator.h"

namespace keyloom {

class PhaseGenerator : public PreviewGenerator {
  public:
    void Reset() final { phase_ = 0; }

  protected:
    int phase_ = 0;
};

}  // namespace keyloom
