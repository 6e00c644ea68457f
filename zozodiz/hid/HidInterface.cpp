#include "HidInterface.h"

#include <array>
#include <cstdio>
#include <utility>

namespace zozodiz {

namespace {

// Short enough that StopReading returns promptly.
constexpr int kReadTimeoutMs = 100;
// Larger than any report of the keyboard; hidraw cuts longer reports to the buffer.
constexpr size_t kReadBufferSize = 256;

}  // namespace

std::shared_ptr<HidInterface> HidInterface::Open(const std::string& path, ReportRouter router,
                                                 BackendEvents& events) {
    Handle reader(hid_open_path(path.c_str()), &hid_close);
    Handle writer(reader ? hid_open_path(path.c_str()) : nullptr, &hid_close);
    if (!writer) {
        std::fprintf(stderr, "ZozOdiz: cannot open %s: %ls\n", path.c_str(), hid_error(nullptr));
        return nullptr;
    }
    return std::shared_ptr<HidInterface>(
        new HidInterface(std::move(reader), std::move(writer), std::move(router), events));
}

HidInterface::HidInterface(Handle reader, Handle writer, ReportRouter router, BackendEvents& events)
    : reader_(std::move(reader)),
      writer_(std::move(writer)),
      router_(std::move(router)),
      events_(events),
      thread_(&HidInterface::Read, this) {}

HidInterface::~HidInterface() {
    StopReading();
}

void HidInterface::StopReading() {
    stopping_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

int HidInterface::Write(const uint8_t* data, size_t length) {
    std::lock_guard lock(writeMutex_);
    return hid_write(writer_.get(), data, length) >= 0 ? 1 : -1;
}

void HidInterface::Read() {
    std::array<uint8_t, kReadBufferSize> buffer{};
    while (!stopping_) {
        const int received =
            hid_read_timeout(reader_.get(), buffer.data(), buffer.size(), kReadTimeoutMs);
        if (received < 0) {
            break;
        }
        const std::span<const uint8_t> report(buffer.data(), static_cast<size_t>(received));
        if (const std::optional<RoutedReport> routed = router_.Route(report)) {
            events_.OnInputReport(routed->collection, report.data() + routed->offset,
                                  report.size() - routed->offset);
        }
    }
    reading_ = false;
}

}  // namespace zozodiz
