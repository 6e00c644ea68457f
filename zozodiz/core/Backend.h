#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "Collection.h"

namespace zozodiz {

// What a backend reports to the library, from any of its threads.
class BackendEvents {
  public:
    virtual ~BackendEvents() = default;
    // An input report arrived on a collection of the keyboard.
    virtual void OnInputReport(Collection collection, const uint8_t* data, size_t length) = 0;
    // An answer raised on the thread that wrote the request, once it is due. A standing request
    // with nothing else to do may run its callback right there: the writer then finds the answer
    // without waking two threads in turn. Any other way, as an input report.
    virtual void OnAnswer(Collection collection, const uint8_t* data, size_t length) {
        OnInputReport(collection, data, length);
    }
    // The number of keyboards changed (plugged in or removed).
    virtual void OnDeviceCount(unsigned count) = 0;
};

// One way of reaching keyboards: real hardware or the virtual keyboard.
class Backend {
  public:
    virtual ~Backend() = default;
    // Starts discovery and reading; events go to the sink until Stop. False: nothing started.
    virtual bool Start(BackendEvents& events) = 0;
    // Stops every thread of the backend; no event is raised afterwards.
    virtual void Stop() = 0;
    // Number of keyboards that offer the collection.
    virtual unsigned DeviceCount(Collection collection) = 0;
    // Sends an output report to the collection; above 0 on success, 0 or less on failure.
    virtual int WriteReport(Collection collection, const uint8_t* data, size_t length) = 0;
    // Sends the bank status bytes (the keyboard's indicator state) to the collection.
    virtual int WriteStatus(Collection collection, const uint8_t* data, size_t length) = 0;
    // The node of a keyboard that is plugged in but may not be opened, as the last look found
    // it; empty when there is none.
    virtual std::string AccessProblem() = 0;
};

std::unique_ptr<Backend> MakeSimBackend();
std::unique_ptr<Backend> MakeHidBackend();

}  // namespace zozodiz
