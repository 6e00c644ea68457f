// The safe formatter with hostile format strings: it never reads or writes outside its text,
// fills at most one placeholder, leaves a format without '%' as it is, and gives a result no
// longer than the format, the value and one bounded field together.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/SafeFormat.h"
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

using namespace keyloom;

namespace {

// A filled field is at most 259 characters of padding or digits beyond the value itself, and
// a character of the value is at most 4 bytes.
constexpr size_t kFieldLimit = 4 * 260 + 32;

void CheckResult(const std::string& format, const std::string& value, const std::string& out) {
    if (format.find('%') == std::string::npos) {
        FUZZ_CHECK(out == format);
    }
    FUZZ_CHECK(out.size() <= format.size() + value.size() + kFieldLimit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string value = input.Text(64);
    long long number = 0;
    for (int i = 0; i < 8; ++i) {
        number =
            static_cast<long long>(static_cast<unsigned long long>(number) << 8 | input.Byte());
    }
    const auto rest = input.Rest();
    const std::string format(rest.begin(), rest.end());
    CheckResult(format, value, FormatWithString(format, value));
    CheckResult(format, "", FormatWithInt(format, number));
    return 0;
}
