#include "UdevMonitor.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

namespace zozodiz {

namespace {

bool IsAddOrRemove(udev_device* device) {
    const char* action = udev_device_get_action(device);
    return action != nullptr &&
           (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0);
}

}  // namespace

std::unique_ptr<UdevMonitor> UdevMonitor::Open() {
    UdevContext udev = NewUdevContext();
    if (!udev) {
        return nullptr;
    }
    // "udev" rather than "kernel": the event comes once the rules ran, so the node already has
    // its permissions when we open it.
    UdevMonitorHandle monitor(udev_monitor_new_from_netlink(udev.get(), "udev"),
                              &udev_monitor_unref);
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return nullptr;
    }
    const int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        return nullptr;
    }
    return std::unique_ptr<UdevMonitor>(
        new UdevMonitor(std::move(udev), std::move(monitor), wakeFd));
}

UdevMonitor::UdevMonitor(UdevContext udev, UdevMonitorHandle monitor, int wakeFd)
    : udev_(std::move(udev)), monitor_(std::move(monitor)), wakeFd_(wakeFd) {}

UdevMonitor::~UdevMonitor() {
    if (thread_.joinable()) {
        const uint64_t one = 1;
        // An eventfd write of 8 bytes only fails on counter overflow, which one write cannot reach.
        [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
        thread_.join();
    }
    close(wakeFd_);
}

void UdevMonitor::Start(std::function<void()> onChange) {
    onChange_ = std::move(onChange);
    thread_ = std::thread(&UdevMonitor::Run, this);
}

void UdevMonitor::Run() {
    pollfd watched[2] = {{udev_monitor_get_fd(monitor_.get()), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    for (;;) {
        if (poll(watched, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (watched[1].revents != 0 || (watched[0].revents & (POLLHUP | POLLNVAL)) != 0) {
            return;
        }
        // POLLERR means the socket overflowed and events were lost: look again all the same.
        const bool lost = (watched[0].revents & POLLERR) != 0;
        if (DrainEvents() || lost) {
            onChange_();
        }
    }
}

bool UdevMonitor::DrainEvents() {
    bool changed = false;
    while (udev_device* device = udev_monitor_receive_device(monitor_.get())) {
        changed = IsAddOrRemove(device) || changed;
        udev_device_unref(device);
    }
    return changed;
}

}  // namespace zozodiz
