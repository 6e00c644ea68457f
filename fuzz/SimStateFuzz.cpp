// The virtual keyboard's state file: any file is either refused or taken whole, and a memory
// taken from a file is written back to the same bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "SimMemory.h"
#include "support/FuzzCheck.h"

using namespace zozodiz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    const std::optional<SimMemory> memory = SimMemory::Deserialize(file);
    if (!memory) {
        return 0;
    }
    FUZZ_CHECK(memory->Serialize() == file);
    FUZZ_CHECK(memory->Area(ZOZSIM_AREA_CONFIG)[SimMemory::kActiveProfileByte] <= 2);
    FUZZ_CHECK(memory->Area(ZOZSIM_AREA_MACROS).size() ==
               file[SimMemory::kMacroUnitsByte] * SimMemory::kMacroUnit);
    FUZZ_CHECK(memory->Area(ZOZSIM_AREA_KEY_COLORS + 1).empty() && memory->Area(-1).empty());
    return 0;
}
