#pragma once

namespace keyloom {

// Results of exchanges and keyboard commands.
enum DeviceResult : int {
    RESULT_OK = 1,
    RESULT_NO_DEVICE = 0,  // no keyboard present, or the wait for the answer failed
    RESULT_SEND_REFUSED = -1,
    RESULT_NO_ANSWER = -2,  // no answer with the right command within three attempts
    RESULT_STATUS_FF = -102,
    RESULT_STATUS_FE = -103,
    RESULT_BAD_ARGUMENT = -201,  // nothing was sent
};

}  // namespace keyloom
