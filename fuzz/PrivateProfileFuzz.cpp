// The private-profile (INI) functions on any file, UTF-8 or UTF-16LE: reads cut to the buffer
// without splitting a character, and a write reads back as written while every other entry keeps
// its value and the file its encoding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/IniDocument.h"
#include "platform/PrivateProfile.h"
#include "platform/TextEncoding.h"
#include "support/FuzzCheck.h"
#include "support/IniNames.h"
#include "support/ScratchFile.h"

using namespace keyloom;
using fuzz::IniName;

namespace {

// Every read opens and parses the file again, so a run asks for a few names only.
constexpr size_t kBufferChars[] = {0, 1, 7, 260};
constexpr size_t kNameLimit = 6;
constexpr std::string_view kBlanks = " \t\r\v\f";

// UTF-16 code units, as the buffer counts them.
size_t Utf16Length(std::string_view text) {
    std::vector<uint8_t> units;
    AppendUtf16Le(units, text);
    return units.size() / 2;
}

std::string Read(const IniName& name, const std::string& path, size_t bufferChars = 1 << 20) {
    return ReadProfileString(*name.section, name.key, "-", path, bufferChars);
}

// A value that reads back as it was written: no blanks or quotes at its edges to be taken off.
bool ReadsBackUnchanged(std::string_view value, bool utf16) {
    const bool edges = !value.empty() && (kBlanks.find(value.front()) != kBlanks.npos ||
                                          kBlanks.find(value.back()) != kBlanks.npos ||
                                          value.front() == '"' || value.front() == '\'');
    return !edges && (!utf16 || fuzz::IsValidUtf8(value));
}

bool SameName(const IniName& a, const IniName& b) {
    return fuzz::SameIniName(*a.section, *b.section) && fuzz::SameIniName(a.key, b.key);
}

void CheckCuts(const IniName& name, const std::string& path) {
    std::string longer;
    for (auto it = std::rbegin(kBufferChars); it != std::rend(kBufferChars); ++it) {
        std::string out;
        const size_t count = GetPrivateProfileString(*name.section, name.key, "-", out, *it, path);
        FUZZ_CHECK(count == Utf16Length(out));
        FUZZ_CHECK(*it == 0 ? count == 0 : count <= *it - 1);
        FUZZ_CHECK(longer.empty() || longer.starts_with(out));
        longer = out;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratchFile("profile.ini", {data, size});
    const bool utf16 = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    std::vector<IniName> names;
    for (IniName& name : fuzz::IniNamesOf(fuzz::IniTextOf(path), kNameLimit)) {
        if (name.section) {
            names.push_back(std::move(name));
        }
    }
    names.push_back({"Fuzz", "Key"});
    std::vector<std::string> before;
    for (const IniName& name : names) {
        CheckCuts(name, path);
        before.push_back(Read(name, path));
    }

    // The second name's value written to the first name (to a new section when the file has no
    // names).
    const IniName& target = names.front();
    const std::string& value = before[1 % names.size()];
    if (!IniCanStore(*target.section, target.key, value)) {
        FUZZ_CHECK(!WritePrivateProfileString(*target.section, target.key, value, path));
        return 0;
    }
    FUZZ_CHECK(WritePrivateProfileString(*target.section, target.key, value, path));
    if (ReadsBackUnchanged(value, utf16)) {
        FUZZ_CHECK(Read(target, path) == value);
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (!SameName(names[i], target)) {
            FUZZ_CHECK(Read(names[i], path) == before[i]);
        }
    }
    const std::string written = fuzz::ReadScratchFile(path);
    FUZZ_CHECK(utf16 == (written.size() >= 2 && written.starts_with("\xFF\xFE")));
    return 0;
}
