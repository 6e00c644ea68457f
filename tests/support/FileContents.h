#pragma once

// Whole files as tests write and read them back, without the code under test in between.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom::test {

// The file's bytes as a string; nothing when it cannot be opened, so a missing file never
// passes for an empty one.
inline std::optional<std::string> FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::optional<std::vector<uint8_t>> FileBytes(const std::string& path) {
    const auto text = FileText(path);
    if (!text) {
        return std::nullopt;
    }
    return std::vector<uint8_t>(text->begin(), text->end());
}

// Replaces the file with `contents`, creating its folder first when it is missing.
inline bool PutFile(const std::string& path, std::string_view contents) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    file.close();
    return file.good();
}

}  // namespace keyloom::test
