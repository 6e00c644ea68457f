// The profile file (.qvp): the check before a restore and the load must take any file, and a
// loaded profile saved and loaded again must give the same file, whose header the check passes.

#include <cstddef>
#include <cstdint>
#include <span>

#include "storage/ProfileFile.h"
#include "support/FuzzCheck.h"
#include "support/ScratchFile.h"

using namespace keyloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratchFile("profile.qvp", {data, size});
    const ProfileFileCheck check = CheckProfileFile(path);
    WorkingProfile loaded;
    if (ReadProfileFile(path, loaded) != PROFILE_FILE_OK) {
        return 0;
    }
    FUZZ_CHECK(check.result == PROFILE_FILE_OK || check.result == PROFILE_FILE_REFUSED);

    const std::vector<uint8_t> saved = EncodeProfileFile(loaded);
    FUZZ_CHECK(FirstHeaderFault(saved) == ProfileHeaderFault::kNone);
    WorkingProfile reloaded;
    FUZZ_CHECK(DecodeProfileFile(saved, reloaded) == PROFILE_FILE_OK);
    FUZZ_CHECK(reloaded.macros.size() == loaded.macros.size());
    for (int entry = 0; entry < ASSIGNMENT_ENTRIES; ++entry) {
        FUZZ_CHECK(reloaded.texts.Text(entry) == loaded.texts.Text(entry));
    }
    FUZZ_CHECK(EncodeProfileFile(reloaded) == saved);
    return 0;
}
