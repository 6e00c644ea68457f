// The backend for real keyboards: hidraw nodes found, opened and watched through the system.

#include "HidBackend.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "HidDiscovery.h"
#include "HidInterface.h"
#include "KeyboardList.h"
#include "ReportDescriptor.h"

namespace zozodiz {

namespace {

using OpenInterfaces = std::map<std::string, std::shared_ptr<HidInterface>>;

// What one look opened, and the first node it was refused.
struct Opened {
    OpenInterfaces interfaces;
    std::string deniedNode;
};

bool BelongsTo(const Keyboard* keyboard, const std::string& path) {
    return keyboard != nullptr &&
           std::any_of(keyboard->interfaces.begin(), keyboard->interfaces.end(),
                       [&](const KeyboardInterface& interface) { return interface.path == path; });
}

// Start, Stop and the destructor come from one thread at a time (the library's life cycle);
// DeviceCount and the writes come from any thread, while the watch thread changes the list.
class HidBackend final : public Backend {
  public:
    explicit HidBackend(std::unique_ptr<HidSystem> system) : system_(std::move(system)) {}
    ~HidBackend() override { Stop(); }

    bool Start(BackendEvents& events) override;
    void Stop() override;
    unsigned DeviceCount(Collection collection) override;
    int WriteReport(Collection collection, const uint8_t* data, size_t length) override {
        return Write(collection, data, length);
    }
    // The status bytes start with the report id of the keyboard's indicator output report.
    int WriteStatus(Collection collection, const uint8_t* data, size_t length) override {
        return Write(collection, data, length);
    }
    std::string AccessProblem() override;

  private:
    // Re-discovers the keyboards, opens new interfaces and closes vanished or dead ones; returns
    // the number of keyboards on the configuration collection.
    unsigned Refresh();
    void OnHotPlug();
    int Write(Collection collection, const uint8_t* data, size_t length);
    Opened OpenAll(const KeyboardList& found, OpenInterfaces& previous);

    std::unique_ptr<HidSystem> system_;
    bool started_ = false;
    BackendEvents* events_ = nullptr;
    unsigned configCount_ = 0;  // as last announced; touched by the refreshing thread only
    std::unique_ptr<PlugWatch> watch_;

    std::mutex mutex_;  // guards the three below; never held while raising events
    KeyboardList keyboards_;
    OpenInterfaces open_;
    std::string deniedNode_;
};

bool HidBackend::Start(BackendEvents& events) {
    if (started_) {
        return true;
    }
    if (!system_->Init()) {
        return false;
    }
    started_ = true;
    events_ = &events;
    // Watched before the first look so that a keyboard plugged in meanwhile is not missed.
    watch_ = system_->WatchPlugs();
    configCount_ = Refresh();
    if (watch_) {
        watch_->Start([this] { OnHotPlug(); });
    } else {
        std::fprintf(stderr,
                     "ZozOdiz: udev cannot be watched; keyboards plugged in later go "
                     "unnoticed\n");
    }
    return true;
}

void HidBackend::Stop() {
    if (!started_) {
        return;
    }
    started_ = false;
    watch_.reset();
    OpenInterfaces closing;
    {
        std::lock_guard lock(mutex_);
        closing.swap(open_);
        keyboards_ = KeyboardList();
        deniedNode_.clear();
    }
    for (auto& entry : closing) {
        entry.second->StopReading();
    }
    closing.clear();
    configCount_ = 0;
    events_ = nullptr;
    system_->Exit();
}

unsigned HidBackend::DeviceCount(Collection collection) {
    std::lock_guard lock(mutex_);
    return keyboards_.CountOffering(collection);
}

int HidBackend::Write(Collection collection, const uint8_t* data, size_t length) {
    std::shared_ptr<HidInterface> target;
    {
        std::lock_guard lock(mutex_);
        if (const KeyboardInterface* interface = keyboards_.InterfaceInUse(collection)) {
            target = open_.at(interface->path);
        }
    }
    // Written outside the list lock: a removal meanwhile leaves the handle alive until done.
    return target ? target->Write(data, length) : 0;
}

std::string HidBackend::AccessProblem() {
    std::lock_guard lock(mutex_);
    return deniedNode_;
}

void HidBackend::OnHotPlug() {
    const unsigned count = Refresh();
    if (count != configCount_) {
        configCount_ = count;
        events_->OnDeviceCount(count);
    }
}

unsigned HidBackend::Refresh() {
    std::vector<InterfaceRecord> records = DiscoverInterfaces(*system_);
    OpenInterfaces previous;
    {
        std::lock_guard lock(mutex_);
        previous = open_;
    }
    Opened opened = OpenAll(KeyboardList(records), previous);
    // Only interfaces that could be opened make keyboards.
    std::erase_if(records,
                  [&](const InterfaceRecord& r) { return !opened.interfaces.contains(r.path); });
    KeyboardList reachable(records);
    for (auto& [path, interface] : opened.interfaces) {
        interface->SetDelivering(BelongsTo(reachable.InUse(), path));
    }
    const unsigned count = reachable.CountOffering(kConfigCollection);
    {
        std::lock_guard lock(mutex_);
        open_ = std::move(opened.interfaces);
        keyboards_ = std::move(reachable);
        deniedNode_ = std::move(opened.deniedNode);
    }
    // Joined outside the lock: a reader may be handing a report to a sink that writes.
    for (auto& entry : previous) {
        entry.second->StopReading();
    }
    return count;
}

// Keeps each interface still listed and still live, opens the others; what stays in previous
// has vanished, died or been replaced.
Opened HidBackend::OpenAll(const KeyboardList& found, OpenInterfaces& previous) {
    Opened opened;
    for (const Keyboard& keyboard : found.Keyboards()) {
        for (const KeyboardInterface& interface : keyboard.interfaces) {
            std::string hidDevice = system_->Locate(interface.path).hidDevice;
            const auto kept = previous.find(interface.path);
            if (kept != previous.end() && kept->second->IsLive(hidDevice)) {
                opened.interfaces.insert(previous.extract(kept));
                continue;
            }
            ReportRouter router(interface.collections,
                                ParseReportDescriptor(ReadReportDescriptor(hidDevice)));
            HidInterface::Opening fresh = HidInterface::Open(
                *system_, interface.path, std::move(hidDevice), std::move(router), *events_);
            if (fresh.interface) {
                opened.interfaces.emplace(interface.path, std::move(fresh.interface));
            } else if (fresh.access == NodeAccess::kDenied && opened.deniedNode.empty()) {
                opened.deniedNode = interface.path;
            }
        }
    }
    return opened;
}

}  // namespace

std::unique_ptr<Backend> MakeHidBackend(std::unique_ptr<HidSystem> system) {
    return std::make_unique<HidBackend>(std::move(system));
}

}  // namespace zozodiz
