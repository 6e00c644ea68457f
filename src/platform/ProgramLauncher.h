#pragma once

#include <string>
#include <vector>

namespace keyloom {

// Results of opening a program or document, numbered as the shell's "open" numbers them: above
// 32 the program was started, at most 32 the reason it was not.
inline constexpr int OPEN_STARTED = 42;
inline constexpr int OPEN_FAILED = 0;
inline constexpr int OPEN_FILE_NOT_FOUND = 2;
inline constexpr int OPEN_PATH_NOT_FOUND = 3;
inline constexpr int OPEN_ACCESS_DENIED = 5;
inline constexpr int OPEN_OUT_OF_MEMORY = 8;
inline constexpr int OPEN_BAD_FORMAT = 11;
inline constexpr int OPEN_LAST_FAILURE = 32;

// Starts the executable at `path` with the arguments, in a session of its own with default
// signal handling, and does not wait for it. A thread of this process waits for its end, so it
// never stays behind as a zombie; no process-wide signal setting is touched.
int OpenProgram(const std::string& path, const std::vector<std::string>& args);

// Opens a document, folder or web address with the desktop's handler (xdg-open).
int OpenDocument(const std::string& pathOrUrl);

}  // namespace keyloom
