#pragma once

#include <memory>
#include <string>

#include "device/AnswerSlot.h"
#include "device/ReportExchange.h"
#include "device/TransportCalls.h"
#include "device/ZozOdizLibrary.h"

namespace keyloom {

// The tool's one link to the keyboard: the bound transport library, the answer slot and the
// exchange that uses them.
class DeviceLink {
  public:
    // Loads libZozOdiz.so from the folder, looks up its exports and starts it. Nothing when any
    // of that fails.
    static std::unique_ptr<DeviceLink> Bind(const std::string& folder);

    const TransportCalls& Transport() const { return transport_; }
    ReportExchange& Exchange() { return exchange_; }
    AnswerSlot& Answers() { return slot_; }

  private:
    explicit DeviceLink(std::unique_ptr<ZozOdizExports> exports);

    std::unique_ptr<ZozOdizExports> exports_;
    TransportCalls transport_;
    AnswerSlot slot_;
    ReportExchange exchange_;
};

// Binds the library from the executable's folder; a tool without its transport has nothing to
// do, so any failure ends the process quietly with exit code 0. The link, like the library
// whose threads call into it, lives until the process ends.
DeviceLink& BindDeviceLinkOrExit();

}  // namespace keyloom
