#pragma once

#include <hidapi.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "Backend.h"
#include "ReportRouter.h"

namespace zozodiz {

// One opened hidraw node of a keyboard. A reader thread hands every input report to the events
// sink under the collection the router gives it; writes come from any thread, one at a time.
//
// hidapi is not thread-safe on a single handle (each call rewrites the handle's error text), so
// the node is opened twice: the reader thread alone uses one handle, writers the other. hidraw
// gives each open file its own copy of the input reports.
class HidInterface {
  public:
    // Null when the node cannot be opened (unplugged meanwhile, or no permission).
    static std::shared_ptr<HidInterface> Open(const std::string& path, ReportRouter router,
                                              BackendEvents& events);
    ~HidInterface();

    HidInterface(const HidInterface&) = delete;
    HidInterface& operator=(const HidInterface&) = delete;

    // Ends the reader thread and waits for it; no event is raised afterwards.
    void StopReading();
    // False once reading failed, which on hidraw means the keyboard is gone.
    bool IsReading() const { return reading_; }
    // 1 when the report was written, -1 when the write failed.
    int Write(const uint8_t* data, size_t length);

  private:
    using Handle = std::unique_ptr<hid_device, decltype(&hid_close)>;

    HidInterface(Handle reader, Handle writer, ReportRouter router, BackendEvents& events);
    void Read();

    Handle reader_;
    Handle writer_;
    ReportRouter router_;
    BackendEvents& events_;
    std::mutex writeMutex_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> reading_{true};
    std::thread thread_;
};

}  // namespace zozodiz
