#include "FakeHidSystem.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace zozodiz::test {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::seconds kHandledLimit{5};

}  // namespace

class FakeHidSystem::File final : public HidNodeHandle {
  public:
    File(FakeHidSystem& system, std::string path, unsigned generation)
        : system_(system), path_(std::move(path)), generation_(generation) {}
    ~File() override { system_.Close(path_); }

    int Read(uint8_t* buffer, size_t size, int timeoutMs) override {
        return system_.Read(path_, generation_, buffer, size, timeoutMs);
    }
    int Write(const uint8_t* data, size_t length) override {
        return system_.Write(path_, generation_, data, length);
    }

  private:
    FakeHidSystem& system_;
    std::string path_;
    unsigned generation_;
};

class FakeHidSystem::Watch final : public PlugWatch {
  public:
    explicit Watch(FakeHidSystem& system) : system_(system) {}
    ~Watch() override {
        std::lock_guard lock(system_.mutex_);
        system_.onPlug_ = nullptr;
    }

    void Start(std::function<void()> onChange) override {
        std::lock_guard lock(system_.mutex_);
        system_.onPlug_ = std::move(onChange);
    }

  private:
    FakeHidSystem& system_;
};

FakeHidSystem::FakeHidSystem(std::string sysfs) : sysfs_(std::move(sysfs)) {}

void FakeHidSystem::Plug(const Node& node) {
    std::lock_guard lock(mutex_);
    if (std::find(order_.begin(), order_.end(), node.path) == order_.end()) {
        order_.push_back(node.path);
    }
    State& state = nodes_[node.path];
    state.node = node;
    Renew(state, node.path);
}

void FakeHidSystem::Unplug(const std::string& path) {
    {
        std::lock_guard lock(mutex_);
        nodes_[path].present = false;
    }
    changed_.notify_all();
}

void FakeHidSystem::Replug(const std::string& path) {
    std::lock_guard lock(mutex_);
    Renew(nodes_.at(path), path);
}

// Like the kernel, which numbers every HID device anew, each plugging gets a HID device folder of
// its own.
void FakeHidSystem::Renew(State& state, const std::string& path) {
    ++state.generation;
    state.hidDevice =
        sysfs_ + "/" + fs::path(path).filename().string() + "." + std::to_string(state.generation);
    fs::create_directories(state.hidDevice);
    if (state.node.descriptor) {
        std::ofstream(state.hidDevice + "/report_descriptor", std::ios::binary)
            .write(reinterpret_cast<const char*>(state.node.descriptor->data()),
                   static_cast<std::streamsize>(state.node.descriptor->size()));
    }
    state.present = true;
    state.input.clear();
    state.readsBegun = 0;
    state.readOfLastTake = 0;
}

void FakeHidSystem::SetAccess(const std::string& path, NodeAccess access) {
    std::lock_guard lock(mutex_);
    nodes_[path].access = access;
}

void FakeHidSystem::RaisePlugEvent() {
    std::function<void()> onPlug;
    {
        std::lock_guard lock(mutex_);
        onPlug = onPlug_;
    }
    if (onPlug) {
        onPlug();
    }
}

void FakeHidSystem::Input(const std::string& path, std::vector<uint8_t> report) {
    {
        std::lock_guard lock(mutex_);
        nodes_[path].input.push_back(std::move(report));
    }
    changed_.notify_all();
}

bool FakeHidSystem::Handled(const std::string& path) {
    std::unique_lock lock(mutex_);
    const State& state = nodes_[path];
    return changed_.wait_for(lock, kHandledLimit, [&] {
        return state.input.empty() && state.readsBegun > state.readOfLastTake;
    });
}

std::vector<std::vector<uint8_t>> FakeHidSystem::Written(const std::string& path) const {
    std::lock_guard lock(mutex_);
    const auto found = nodes_.find(path);
    return found != nodes_.end() ? found->second.written : std::vector<std::vector<uint8_t>>();
}

int FakeHidSystem::OpenFiles(const std::string& path) const {
    std::lock_guard lock(mutex_);
    const auto found = nodes_.find(path);
    return found != nodes_.end() ? found->second.openFiles : 0;
}

std::vector<ListedCollection> FakeHidSystem::List() {
    std::lock_guard lock(mutex_);
    std::vector<ListedCollection> listed;
    for (const std::string& path : order_) {
        const State& state = nodes_.at(path);
        if (!state.present) {
            continue;
        }
        for (const Collection collection : state.node.collections) {
            listed.push_back({path, collection});
        }
    }
    return listed;
}

NodePlace FakeHidSystem::Locate(const std::string& devnode) {
    std::lock_guard lock(mutex_);
    const auto found = nodes_.find(devnode);
    if (found == nodes_.end() || !found->second.present) {
        return {};
    }
    return {found->second.node.usbDevice, found->second.hidDevice};
}

NodeOpening FakeHidSystem::Open(const std::string& devnode) {
    std::lock_guard lock(mutex_);
    const auto found = nodes_.find(devnode);
    if (found == nodes_.end() || !found->second.present) {
        return {nullptr, NodeAccess::kFailed};
    }
    State& state = found->second;
    if (state.access != NodeAccess::kOpened) {
        return {nullptr, state.access};
    }
    ++state.openFiles;
    return {std::make_unique<File>(*this, devnode, state.generation), NodeAccess::kOpened};
}

std::unique_ptr<PlugWatch> FakeHidSystem::WatchPlugs() {
    return std::make_unique<Watch>(*this);
}

int FakeHidSystem::Read(const std::string& path, unsigned generation, uint8_t* buffer, size_t size,
                        int timeoutMs) {
    std::unique_lock lock(mutex_);
    State* state = Live(path, generation);
    if (state == nullptr) {
        return -1;
    }
    const unsigned thisRead = ++state->readsBegun;
    changed_.notify_all();
    changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                      [&] { return Live(path, generation) == nullptr || !state->input.empty(); });
    if (Live(path, generation) == nullptr) {
        return -1;
    }
    if (state->input.empty()) {
        return 0;
    }
    const std::vector<uint8_t> report = std::move(state->input.front());
    state->input.pop_front();
    state->readOfLastTake = thisRead;
    changed_.notify_all();
    const size_t length = std::min(size, report.size());
    std::copy_n(report.begin(), length, buffer);
    return static_cast<int>(length);
}

int FakeHidSystem::Write(const std::string& path, unsigned generation, const uint8_t* data,
                         size_t length) {
    std::lock_guard lock(mutex_);
    State* state = Live(path, generation);
    if (state == nullptr) {
        return -1;
    }
    state->written.emplace_back(data, data + length);
    return static_cast<int>(length);
}

void FakeHidSystem::Close(const std::string& path) {
    std::lock_guard lock(mutex_);
    --nodes_[path].openFiles;
}

FakeHidSystem::State* FakeHidSystem::Live(const std::string& path, unsigned generation) {
    const auto found = nodes_.find(path);
    const bool live =
        found != nodes_.end() && found->second.present && found->second.generation == generation;
    return live ? &found->second : nullptr;
}

}  // namespace zozodiz::test
