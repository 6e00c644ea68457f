#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace zozodiz {

// The optional event log named by ZOZODIZ_TRACE: one line per event, for instance
// "W 04 2f 00 ..." for a request written. Lines from different threads never interleave.
class Trace {
  public:
    ~Trace();
    // Opens the file for appending; an empty path turns tracing off.
    void Open(const std::string& path);
    void Close();
    // "<kind> <bytes as lower-case hex separated by spaces>"
    void Bytes(char kind, const uint8_t* data, size_t length);
    // "<kind> <text>"
    void Text(char kind, const std::string& text);

  private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

}  // namespace zozodiz
