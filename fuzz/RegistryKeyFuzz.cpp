// The typed registry file: any file reads without harm, a value is never both a number and a
// text, and written values read back as written while every other value keeps its own.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/IniDocument.h"
#include "platform/RegistryKey.h"
#include "support/FuzzCheck.h"
#include "support/IniNames.h"
#include "support/ScratchFile.h"

using namespace keyloom;

namespace {

constexpr size_t kNameLimit = 12;

struct Value {
    std::optional<uint32_t> dword;
    std::optional<std::string> text;
    friend bool operator==(const Value&, const Value&) = default;
};

Value ReadValue(const RegistryKey& key, const std::string& name) {
    return {key.ReadDword(name), key.ReadString(name)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratchFile("registry.ini", {data, size});
    const RegistryKey key = RegistryKey::OpenOrCreate(path);
    FUZZ_CHECK(key.IsOpen());
    std::vector<std::string> names = {"dwLanguageId", "Title"};
    for (const fuzz::IniName& name : fuzz::IniNamesOf(fuzz::IniTextOf(path), kNameLimit)) {
        if (!name.section) {
            names.push_back(name.key);
        }
    }
    std::vector<Value> before;
    for (const std::string& name : names) {
        before.push_back(ReadValue(key, name));
        FUZZ_CHECK(!before.back().dword || !before.back().text);
    }

    // The last name found gets a text made of another name and every escape; the first a number.
    const std::string& textName = names.back();
    const std::string text = names[names.size() / 2] + "\"\\\n\r\t ";
    const uint32_t number = static_cast<uint32_t>(size * 2654435761u);
    const bool storable = IniCanStore(std::nullopt, textName, "\"\"");
    FUZZ_CHECK(key.WriteString(textName, text) == storable);
    FUZZ_CHECK(key.WriteDword(names.front(), number));
    FUZZ_CHECK(key.ReadDword(names.front()) == number);
    if (storable && !fuzz::SameIniName(textName, names.front())) {
        FUZZ_CHECK(key.ReadString(textName) == text);
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (!fuzz::SameIniName(names[i], textName) && !fuzz::SameIniName(names[i], names.front())) {
            FUZZ_CHECK(ReadValue(key, names[i]) == before[i]);
        }
    }
    return 0;
}
