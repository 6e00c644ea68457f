#include "support/ScratchFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/FuzzCheck.h"

namespace keyloom::fuzz {

namespace {

// In memory where the system has /dev/shm: every write of the code under test ends in an fsync,
// which on a disk would slow a run down to a few inputs a second.
std::string BaseFolder() {
    if (std::filesystem::is_directory("/dev/shm")) {
        return "/dev/shm";
    }
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp";
}

std::string MakeScratchFolder() {
    std::string pattern = BaseFolder() + "/keyloom-fuzz-XXXXXX";
    FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
    std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
    return pattern;
}

}  // namespace

const std::string& ScratchFolder() {
    // Never destroyed: the handler that removes the folder at exit still needs its name.
    static const std::string& folder = *new std::string(MakeScratchFolder());
    return folder;
}

std::string WriteScratchFile(const std::string& name, std::span<const uint8_t> bytes) {
    const std::string path = ScratchFolder() + "/" + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(file.good());
    return path;
}

std::string ReadScratchFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace keyloom::fuzz
