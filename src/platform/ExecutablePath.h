#pragma once

#include <string>

namespace keyloom {

// Absolute path of the running executable, from /proc/self/exe; empty when it cannot be read.
std::string ExecutablePath();

// The folder that holds the executable, with a trailing '/'. Installation files (libraries,
// skins, language files) are found relative to it.
std::string ExecutableFolder();

}  // namespace keyloom
