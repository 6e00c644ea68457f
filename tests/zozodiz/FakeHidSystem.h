#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "HidSystem.h"

namespace zozodiz::test {

// The hidraw nodes a test sets up, in place of hidapi, udev and sysfs. Each node carries its
// collections as hidapi lists them and hangs under a USB device; its report descriptor is written
// as a file into a sysfs-like folder of its own. The backend's reader threads, its writers and
// the test call it at once.
class FakeHidSystem final : public HidSystem {
  public:
    struct Node {
        std::string path;
        std::string usbDevice;  // empty: a node without a USB parent
        std::vector<Collection> collections;
        std::optional<std::vector<uint8_t>> descriptor;  // nothing: no report_descriptor file
    };

    // The sysfs-like folders of the nodes go below `sysfs`.
    explicit FakeHidSystem(std::string sysfs);

    // The node appears, or a node that was there is gone: its open files fail from then on.
    // The backend hears of either at the next plug event.
    void Plug(const Node& node);
    void Unplug(const std::string& path);
    // The node goes and comes back before its reader notices that it went (its thread has not
    // run yet): the files open on it fail from their next call.
    void Replug(const std::string& path);
    // How opening the node ends from now on; a refusal is how the kernel answers a user without
    // permission (the tests run as root, whom file modes do not stop).
    void SetAccess(const std::string& path, NodeAccess access);
    // What udev's watch reports after nodes came or went.
    void RaisePlugEvent();

    // An input report arrives on the node.
    void Input(const std::string& path, std::vector<uint8_t> report);
    // Waits until the node's reader took every report and came back for the next, so that each
    // was handled; false when that does not happen in time.
    bool Handled(const std::string& path);
    // The output reports written to the node, in order.
    std::vector<std::vector<uint8_t>> Written(const std::string& path) const;
    // The files open on the node now.
    int OpenFiles(const std::string& path) const;

    bool Init() override { return true; }
    void Exit() override {}
    std::vector<ListedCollection> List() override;
    NodePlace Locate(const std::string& devnode) override;
    NodeOpening Open(const std::string& devnode) override;
    std::unique_ptr<PlugWatch> WatchPlugs() override;

  private:
    class File;
    class Watch;

    struct State {
        Node node;
        std::string hidDevice;
        unsigned generation = 0;  // a node plugged again is another node for the files open
        bool present = false;
        NodeAccess access = NodeAccess::kOpened;
        std::deque<std::vector<uint8_t>> input;
        unsigned readsBegun = 0;
        unsigned readOfLastTake = 0;
        std::vector<std::vector<uint8_t>> written;
        int openFiles = 0;
    };

    // The node as plugged in anew, under the lock.
    void Renew(State& state, const std::string& path);
    int Read(const std::string& path, unsigned generation, uint8_t* buffer, size_t size,
             int timeoutMs);
    int Write(const std::string& path, unsigned generation, const uint8_t* data, size_t length);
    void Close(const std::string& path);
    // The node's state if it is there and still the one of that generation; null otherwise.
    State* Live(const std::string& path, unsigned generation);

    std::string sysfs_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> order_;  // listing order: as plugged
    std::map<std::string, State> nodes_;
    std::function<void()> onPlug_;
};

}  // namespace zozodiz::test
