#pragma once

#include <memory>

#include "Backend.h"
#include "HidSystem.h"

namespace zozodiz {

// The backend for real keyboards, on the system given.
std::unique_ptr<Backend> MakeHidBackend(std::unique_ptr<HidSystem> system);

}  // namespace zozodiz
