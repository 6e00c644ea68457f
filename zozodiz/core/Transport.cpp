#include "Transport.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/LittleEndian.h"

namespace zozodiz {

namespace {

// The only request the keyboard never answers is the one that sends it into its boot loader.
constexpr uint8_t kEnterBootCommand = 0xEE;
constexpr size_t kCommandByte = 3;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::unique_ptr<Backend> BackendNamed(const std::string& name) {
    if (name.empty() || name == "hid") {
        return MakeHidBackend();
    }
    if (name == "sim") {
        return MakeSimBackend();
    }
    if (name != "fail") {
        std::fprintf(stderr, "ZozOdiz: unknown ZOZODIZ_BACKEND '%s' (hid, sim or fail)\n",
                     name.c_str());
    }
    return nullptr;
}

}  // namespace

Transport& Transport::Instance() {
    static Transport* const instance = new Transport;  // lives until the process ends
    return *instance;
}

int Transport::Init() {
    std::unique_lock lock(lifecycle_);
    if (backend_) {
        return 1;
    }
    auto backend = BackendNamed(Variable("ZOZODIZ_BACKEND"));
    if (!backend) {
        return 0;
    }
    trace_.Open(Variable("ZOZODIZ_TRACE"));
    if (!backend->Start(*this)) {
        trace_.Close();
        return 0;
    }
    backend_ = std::move(backend);
    return 1;
}

int Transport::End() {
    std::unique_lock lock(lifecycle_);
    if (backend_) {
        backend_->Stop();
        backend_.reset();
    }
    std::vector<std::unique_ptr<StandingRequest>> ended;
    {
        std::lock_guard requestsLock(requestsMutex_);
        ended.swap(requests_);
    }
    ended.clear();
    trace_.Close();
    return 1;
}

int Transport::DeviceCount(Collection collection) {
    return WithBackend(
        [&](Backend& backend) { return static_cast<int>(backend.DeviceCount(collection)); });
}

int Transport::WriteReport(Collection collection, const uint8_t* data, size_t length) {
    return WithBackend([&](Backend& backend) {
        const bool unanswered = length > kCommandByte && data[kCommandByte] == kEnterBootCommand;
        trace_.Bytes(unanswered ? 'N' : 'W', data, length);
        return backend.WriteReport(collection, data, length);
    });
}

int Transport::WriteStatus(Collection collection, const uint8_t* data, size_t length,
                           uint32_t* requestId) {
    return WithBackend([&](Backend& backend) {
        trace_.Bytes('S', data, length);
        const int result = backend.WriteStatus(collection, data, length);
        if (result > 0 && requestId != nullptr) {
            *requestId = NextRequestId();
        }
        return result;
    });
}

int Transport::AsyncRead(Collection collection, ZozCallback callback, uint32_t tag,
                         uint32_t* requestId) {
    std::shared_lock lock(lifecycle_);
    if (!backend_) {
        return 0;
    }
    const uint32_t id = NextRequestId();
    {
        std::lock_guard requestsLock(requestsMutex_);
        requests_.push_back(std::make_unique<StandingRequest>(id, collection, callback, tag));
    }
    if (requestId != nullptr) {
        *requestId = id;
    }
    return 1;
}

int Transport::Cancel(uint32_t requestId) {
    std::unique_ptr<StandingRequest> cancelled;
    {
        std::lock_guard lock(requestsMutex_);
        for (auto it = requests_.begin(); it != requests_.end(); ++it) {
            if ((*it)->Id() == requestId) {
                cancelled = std::move(*it);
                requests_.erase(it);
                break;
            }
        }
    }
    // Destroyed outside the lock: its thread may be inside a callback that calls back in.
    return cancelled ? 1 : 0;
}

int Transport::AccessProblem(char* node, uint32_t size) {
    const std::string problem =
        WithBackend([](Backend& backend) { return backend.AccessProblem(); });
    if (problem.empty()) {
        return ZOZ_ACCESS_OK;
    }
    if (node != nullptr && size > 0) {
        std::snprintf(node, size, "%s", problem.c_str());
    }
    return ZOZ_ACCESS_DENIED;
}

void Transport::TraceInputReport(Collection collection, const uint8_t* data, size_t length) {
    if (collection == kConfigCollection) {
        trace_.Bytes('R', data, length);
    } else if (collection == kConsumerCollection && length >= 2) {
        char code[8];
        std::snprintf(code, sizeof code, "%04x", keyloom::ReadU16(data));
        trace_.Text('C', code);
    }
}

void Transport::OnInputReport(Collection collection, const uint8_t* data, size_t length) {
    TraceInputReport(collection, data, length);
    std::lock_guard lock(requestsMutex_);
    for (const auto& request : requests_) {
        if (request->GetCollection() == collection) {
            request->DeliverReport(data, length);
        }
    }
}

void Transport::OnAnswer(Collection collection, const uint8_t* data, size_t length) {
    TraceInputReport(collection, data, length);
    std::vector<StandingRequest::Claim> claims;
    {
        std::lock_guard lock(requestsMutex_);
        for (const auto& request : requests_) {
            if (request->GetCollection() != collection) {
                continue;
            }
            if (auto claim = request->ClaimIdle()) {
                claims.push_back(std::move(*claim));
            } else {
                request->DeliverReport(data, length);
            }
        }
    }
    // Outside the lock: a callback may call back into the library.
    for (const StandingRequest::Claim& claim : claims) {
        claim.DeliverReport(data, length);
    }
}

void Transport::OnDeviceCount(unsigned count) {
    trace_.Text('D', std::to_string(count));
    std::lock_guard lock(requestsMutex_);
    for (const auto& request : requests_) {
        request->DeliverDeviceCount(count);
    }
}

uint32_t Transport::NextRequestId() {
    return nextRequestId_++;
}

}  // namespace zozodiz
