#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "Backend.h"
#include "HidSystem.h"
#include "ReportRouter.h"

namespace zozodiz {

// One opened hidraw node of a keyboard. A reader thread hands every input report to the events
// sink under the collection the router gives it, while the node is delivering; writes come from
// any thread, one at a time.
//
// A hidapi handle is not thread-safe (each call rewrites its error text), so the node is opened
// twice: the reader thread alone uses one handle, writers the other. hidraw gives each open file
// its own copy of the input reports.
class HidInterface {
  public:
    struct Opening {
        std::shared_ptr<HidInterface> interface;  // null unless the node could be opened
        NodeAccess access = NodeAccess::kFailed;
    };

    // The node opened and reading, not yet delivering. `hidDevice` is the HID device in sysfs
    // the node belongs to now.
    static Opening Open(HidSystem& system, const std::string& path, std::string hidDevice,
                        ReportRouter router, BackendEvents& events);
    ~HidInterface();

    HidInterface(const HidInterface&) = delete;
    HidInterface& operator=(const HidInterface&) = delete;

    // Whether input reports go on to the sink; those of a keyboard not in use are dropped.
    void SetDelivering(bool delivering) { delivering_ = delivering; }
    // Ends the reader thread and waits for it; no event is raised afterwards.
    void StopReading();
    // Whether the node is still the one opened: reading has not failed (on hidraw that means
    // the keyboard is gone) and the node at its path still belongs to the same HID device. The
    // kernel numbers every new HID device anew, so a keyboard plugged out and in again between
    // two looks has the same node path under another HID device.
    bool IsLive(const std::string& hidDevice) const { return reading_ && hidDevice == hidDevice_; }
    // 1 when the report was written, -1 when the write failed.
    int Write(const uint8_t* data, size_t length);

  private:
    using Handle = std::unique_ptr<HidNodeHandle>;

    HidInterface(Handle reader, Handle writer, std::string hidDevice, ReportRouter router,
                 BackendEvents& events);
    void Read();

    Handle reader_;
    Handle writer_;
    std::string hidDevice_;
    ReportRouter router_;
    BackendEvents& events_;
    std::mutex writeMutex_;
    std::atomic<bool> delivering_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<bool> reading_{true};
    std::thread thread_;
};

}  // namespace zozodiz
