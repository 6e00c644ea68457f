#pragma once

// Lighting changes reach the keyboard as one transaction: begin, the writes, end. A failed begin
// or end does not stop the writes, and the callers ignore the results as a rule: the next read
// of the lighting shows what the keyboard really took.

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"

namespace keyloom {

// The result of `writes`.
template <typename Writes>
DeviceResult InLightingTransaction(ReportExchange& exchange, Writes&& writes) {
    (void)CmdBegin(exchange);  // the writes go out whatever the bracket returns
    const DeviceResult result = writes();
    (void)CmdEnd(exchange);
    return result;
}

// For a series of writes that all go out: the first result that is not success.
inline DeviceResult FirstFailure(DeviceResult soFar, DeviceResult next) {
    return soFar != RESULT_OK ? soFar : next;
}

}  // namespace keyloom
