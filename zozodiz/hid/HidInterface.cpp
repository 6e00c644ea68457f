#include "HidInterface.h"

#include <array>
#include <utility>

namespace zozodiz {

namespace {

// Short enough that StopReading returns promptly.
constexpr int kReadTimeoutMs = 100;
// Larger than any report of the keyboard; hidraw cuts longer reports to the buffer.
constexpr size_t kReadBufferSize = 256;

}  // namespace

HidInterface::Opening HidInterface::Open(HidSystem& system, const std::string& path,
                                         std::string hidDevice, ReportRouter router,
                                         BackendEvents& events) {
    NodeOpening reader = system.Open(path);
    if (!reader.handle) {
        return {nullptr, reader.access};
    }
    NodeOpening writer = system.Open(path);
    if (!writer.handle) {
        return {nullptr, writer.access};
    }
    return {std::shared_ptr<HidInterface>(
                new HidInterface(std::move(reader.handle), std::move(writer.handle),
                                 std::move(hidDevice), std::move(router), events)),
            NodeAccess::kOpened};
}

HidInterface::HidInterface(Handle reader, Handle writer, std::string hidDevice, ReportRouter router,
                           BackendEvents& events)
    : reader_(std::move(reader)),
      writer_(std::move(writer)),
      hidDevice_(std::move(hidDevice)),
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
    return writer_->Write(data, length) >= 0 ? 1 : -1;
}

void HidInterface::Read() {
    std::array<uint8_t, kReadBufferSize> buffer{};
    while (!stopping_) {
        const int received = reader_->Read(buffer.data(), buffer.size(), kReadTimeoutMs);
        if (received < 0) {
            break;
        }
        const std::span<const uint8_t> report(buffer.data(), static_cast<size_t>(received));
        const std::optional<RoutedReport> routed = router_.Route(report);
        if (routed && delivering_) {
            events_.OnInputReport(routed->collection, report.data() + routed->offset,
                                  report.size() - routed->offset);
        }
    }
    reading_ = false;
}

}  // namespace zozodiz
