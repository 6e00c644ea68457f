#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace zozodiz {

class SimBackend;

// Lines from another process that move the virtual keyboard as a person at the keyboard would:
// plug it in or out, press its bank, profile or lighting keys. The keyboard reads them from the
// FIFO that ZOZODIZ_SIM_CONTROL names, so that a script or a test can drive a program that runs
// the keyboard in its own process (keyloomctl watch, the window):
//   plug | unplug | bank | consumer HHHH | profile 1..3 | mode 1..255
// A line that is none of these is ignored.
class SimControl {
  public:
    using LineHandler = std::function<void(std::string_view line)>;

    SimControl() = default;
    ~SimControl();
    SimControl(const SimControl&) = delete;
    SimControl& operator=(const SimControl&) = delete;

    // Makes the FIFO when it is missing and reads it on a thread of its own; false when it
    // cannot be opened.
    bool Start(const std::string& path, LineHandler handler);
    // Waits for the handler of the line in hand, if any.
    void Stop();

  private:
    void Run();
    void TakeLines(std::string_view bytes);

    int fifo_ = -1;
    int stop_ = -1;  // an eventfd that wakes the reader to end
    LineHandler handler_;
    std::string partial_;    // the line read so far
    bool overlong_ = false;  // the line read so far is too long to be a command, and is dropped
    std::thread thread_;
};

// Acts on one line; false when it names no command or its number is out of range.
bool RunSimControlLine(SimBackend& keyboard, std::string_view line);

}  // namespace zozodiz
