// The system the hid backend runs on outside the tests: hidapi over hidraw, with udev for where
// the nodes sit and when they come and go.

#include <fcntl.h>
#include <hidapi.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "Backend.h"
#include "HidBackend.h"
#include "HidSystem.h"
#include "HidrawNode.h"
#include "UdevMonitor.h"
#include "ZozOdiz.h"

namespace zozodiz {

namespace {

using DeviceInfoList = std::unique_ptr<hid_device_info, decltype(&hid_free_enumeration)>;

class HidapiNode final : public HidNodeHandle {
  public:
    explicit HidapiNode(hid_device* device) : device_(device, &hid_close) {}

    int Read(uint8_t* buffer, size_t size, int timeoutMs) override {
        return hid_read_timeout(device_.get(), buffer, size, timeoutMs);
    }
    int Write(const uint8_t* data, size_t length) override {
        return hid_write(device_.get(), data, length);
    }

  private:
    std::unique_ptr<hid_device, decltype(&hid_close)> device_;
};

// hidapi keeps no error number for a failed open, so the node is opened once more to learn it.
NodeAccess WhyNotOpened(const std::string& devnode) {
    const int fd = open(devnode.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        close(fd);
        return NodeAccess::kFailed;
    }
    return errno == EACCES || errno == EPERM ? NodeAccess::kDenied : NodeAccess::kFailed;
}

class HidapiSystem final : public HidSystem {
  public:
    bool Init() override { return hid_init() == 0; }
    void Exit() override { hid_exit(); }

    std::vector<ListedCollection> List() override {
        const DeviceInfoList list(hid_enumerate(ZOZ_VENDOR_ID, ZOZ_PRODUCT_ID),
                                  &hid_free_enumeration);
        std::vector<ListedCollection> listed;
        for (const hid_device_info* info = list.get(); info != nullptr; info = info->next) {
            listed.push_back({info->path, Collection{info->usage_page, info->usage}});
        }
        return listed;
    }

    NodePlace Locate(const std::string& devnode) override { return LocateHidrawNode(devnode); }

    NodeOpening Open(const std::string& devnode) override {
        if (hid_device* device = hid_open_path(devnode.c_str())) {
            return {std::make_unique<HidapiNode>(device), NodeAccess::kOpened};
        }
        std::fprintf(stderr, "ZozOdiz: cannot open %s: %ls\n", devnode.c_str(), hid_error(nullptr));
        return {nullptr, WhyNotOpened(devnode)};
    }

    std::unique_ptr<PlugWatch> WatchPlugs() override { return UdevMonitor::Open(); }
};

}  // namespace

std::unique_ptr<Backend> MakeHidBackend() {
    return MakeHidBackend(std::make_unique<HidapiSystem>());
}

}  // namespace zozodiz
