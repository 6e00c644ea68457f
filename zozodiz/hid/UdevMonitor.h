#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "HidSystem.h"
#include "UdevHandles.h"

namespace zozodiz {

// Watches udev for hidraw nodes coming and going and calls back on a thread of its own after
// each burst of them (plugging in one keyboard adds several nodes at once).
class UdevMonitor final : public PlugWatch {
  public:
    // Null when udev cannot be watched. Events are collected from here on, before Start.
    static std::unique_ptr<UdevMonitor> Open();
    // Stops and joins the thread.
    ~UdevMonitor() override;

    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    void Start(std::function<void()> onChange) override;

  private:
    UdevMonitor(UdevContext udev, UdevMonitorHandle monitor, int wakeFd);
    void Run();
    // True when an add or remove was among the events waiting.
    bool DrainEvents();

    UdevContext udev_;
    UdevMonitorHandle monitor_;
    int wakeFd_;  // an eventfd; written to make the thread end
    std::function<void()> onChange_;
    std::thread thread_;
};

}  // namespace zozodiz
