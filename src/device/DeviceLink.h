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
    // of that fails, with the reason in `whyNot`. The link, like the library whose threads call
    // into it, must live until the process ends.
    static std::unique_ptr<DeviceLink> Bind(const std::string& folder, std::string& whyNot);

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

}  // namespace keyloom
