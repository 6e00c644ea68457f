#pragma once

// The image of the keyboard's macro memory: a 16-byte header, a table of record offsets and one
// compact record per macro, with or without the names. The tool writes it from the macro list
// and reads it back when the keyboard arrives.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/MacroList.h"

namespace keyloom {

// Header fields, unsigned 16 each; bytes 8 to 15 are zero. The table of record offsets (from the
// image start, one per macro in list order) follows the header.
inline constexpr size_t MACRO_AREA_MAGIC = 0;
inline constexpr size_t MACRO_AREA_TOTAL_SIZE = 2;
inline constexpr size_t MACRO_AREA_COUNT = 4;
inline constexpr size_t MACRO_AREA_NAMES_FLAG = 6;
inline constexpr size_t MACRO_AREA_HEADER_SIZE = 16;
inline constexpr size_t MACRO_AREA_OFFSETS = MACRO_AREA_HEADER_SIZE;
inline constexpr size_t MACRO_AREA_OFFSET_SIZE = 2;
inline constexpr uint16_t MACRO_AREA_MAGIC_WORD = 0x55AA;
// The 16-bit size field and record offsets can describe no larger image.
inline constexpr size_t MACRO_AREA_MAX_SIZE = 0xFFFF;

// An event can carry no longer pause (12 bits of 10 ms); longer pauses are stored as this one.
inline constexpr uint32_t MACRO_AREA_MAX_PAUSE_MS = 4095 * 10;

struct MacroAreaSize {
    size_t full;     // names included
    size_t minimal;  // names left out
};

MacroAreaSize MacroAreaSizes(const MacroList& list);

// The image of exactly `size` bytes, any bytes after the records zero. Empty when the list needs
// more than `size` bytes, or `size` is above MACRO_AREA_MAX_SIZE.
std::vector<uint8_t> EncodeMacroArea(const MacroList& list, size_t size, bool withNames);

// The macros of an image read from the keyboard; none without the magic. Only the given bytes
// are read, whatever the image claims: at most 100 macros and 2000 events per macro are taken,
// and a record that does not lie wholly within the image is left out. Macro i (from 0, by its
// place in the image) gets id i + 1 and, when the image holds no name for it, the name
// `namePrefix` followed by i + 1.
MacroList DecodeMacroArea(std::span<const uint8_t> image, const std::string& namePrefix);

// The language key of the prefix of generated macro names.
inline constexpr const char* kMacroNamePrefixText = "MACRO_NEW_PREFIX";

}  // namespace keyloom
