#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Collection.h"

namespace zozodiz {

// One open file of a hidraw node.
class HidNodeHandle {
  public:
    virtual ~HidNodeHandle() = default;
    // Waits up to the timeout for an input report: its length, 0 when none came, below 0 once
    // the node is gone.
    virtual int Read(uint8_t* buffer, size_t size, int timeoutMs) = 0;
    // Sends an output report, report id first; below 0 when it failed.
    virtual int Write(const uint8_t* data, size_t length) = 0;
};

// Why a node could not be opened. Only a refusal means the keyboard is there but out of reach.
enum class NodeAccess { kOpened, kDenied, kFailed };

struct NodeOpening {
    std::unique_ptr<HidNodeHandle> handle;  // null unless kOpened
    NodeAccess access = NodeAccess::kFailed;
};

// One top-level collection of a hidraw node of the keyboard's vendor and product id.
struct ListedCollection {
    std::string path;
    Collection collection;
};

// Where a hidraw node hangs in sysfs; empty when it cannot be told.
struct NodePlace {
    std::string usbDevice;  // the USB device, shared by every interface of one keyboard
    std::string hidDevice;  // the HID device, which holds the node's report_descriptor
};

// Calls back after hidraw nodes came or went, on a thread of its own.
class PlugWatch {
  public:
    virtual ~PlugWatch() = default;
    virtual void Start(std::function<void()> onChange) = 0;
};

// Everything the hid backend asks of the system: hidapi for listing and opening the nodes, udev
// for where they sit and when they come and go. Tests hand the backend a stand-in.
class HidSystem {
  public:
    virtual ~HidSystem() = default;

    virtual bool Init() = 0;
    virtual void Exit() = 0;
    // Every top-level collection of every node of the keyboard's vendor and product id; a node
    // comes once per collection.
    virtual std::vector<ListedCollection> List() = 0;
    virtual NodePlace Locate(const std::string& devnode) = 0;
    virtual NodeOpening Open(const std::string& devnode) = 0;
    // Null when plugging cannot be watched. Changes are collected from here on, before Start.
    virtual std::unique_ptr<PlugWatch> WatchPlugs() = 0;
};

}  // namespace zozodiz
