#pragma once

// Targets whose parser reads a file by path get the input written to a file of their own in a
// private folder of this process, removed when the process ends.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace keyloom::fuzz {

// A folder only this process uses, made on first use.
const std::string& ScratchFolder();

// Writes the bytes to `name` in the scratch folder, replacing what was there, and returns its
// path.
std::string WriteScratchFile(const std::string& name, std::span<const uint8_t> bytes);

// The file's bytes; empty when it cannot be read.
std::string ReadScratchFile(const std::string& path);

}  // namespace keyloom::fuzz
