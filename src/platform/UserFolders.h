#pragma once

#include <string>

namespace keyloom {

// Per-user folders after the XDG base directory rules: the variable when it holds an absolute
// path, else the documented default under $HOME. No trailing '/'. Nothing is created.
std::string DataHome();    // $XDG_DATA_HOME or ~/.local/share
std::string ConfigHome();  // $XDG_CONFIG_HOME or ~/.config
std::string StateHome();   // $XDG_STATE_HOME or ~/.local/state
// $XDG_RUNTIME_DIR, else a private folder /tmp/keyloom-<uid>; empty when that folder exists but
// is not this user's alone.
std::string RuntimeHome();

// Creates the folder and its parents; true when it exists afterwards.
bool EnsureFolder(const std::string& path);

}  // namespace keyloom
