#include "platform/TextEncoding.h"

#include "platform/LittleEndian.h"

namespace keyloom {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Lead byte ranges of well-formed sequences: the bits the lead byte carries and the smallest
// code point its length may encode (smaller ones would be overlong).
struct SequenceShape {
    uint8_t leadMin;
    uint8_t leadMax;
    size_t length;
    uint8_t payloadMask;
    char32_t smallest;
};

constexpr SequenceShape kSequenceShapes[] = {
    {0xC2, 0xDF, 2, 0x1F, 0x80},
    {0xE0, 0xEF, 3, 0x0F, 0x800},
    {0xF0, 0xF4, 4, 0x07, 0x10000},
};

const SequenceShape* ShapeOfLead(uint8_t lead) {
    for (const auto& shape : kSequenceShapes) {
        if (lead >= shape.leadMin && lead <= shape.leadMax) {
            return &shape;
        }
    }
    return nullptr;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return;
    }
    const size_t length = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
    static constexpr uint8_t kLeadMarks[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadMarks[length] | (codePoint >> (6 * (length - 1))));
    for (size_t i = length - 1; i > 0; --i) {
        out += static_cast<char>(0x80 | ((codePoint >> (6 * (i - 1))) & 0x3F));
    }
}

void AppendUnit(std::vector<uint8_t>& out, uint16_t unit) {
    uint8_t bytes[2];
    WriteU16(bytes, unit);
    out.insert(out.end(), bytes, bytes + 2);
}

bool IsHighSurrogate(uint16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(uint16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

Utf8Char DecodeUtf8Char(std::string_view text, size_t at) {
    const auto lead = static_cast<uint8_t>(text[at]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    const Utf8Char damaged{lead, 1, false};
    const SequenceShape* shape = ShapeOfLead(lead);
    if (shape == nullptr || text.size() - at < shape->length) {
        return damaged;
    }
    char32_t codePoint = lead & shape->payloadMask;
    for (size_t i = 1; i < shape->length; ++i) {
        const auto next = static_cast<uint8_t>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return damaged;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < shape->smallest || codePoint > 0x10FFFF) {
        return damaged;
    }
    return {codePoint, shape->length, true};
}

size_t Utf16Units(const Utf8Char& character) {
    return character.valid && character.codePoint >= 0x10000 ? 2 : 1;
}

std::string Utf16LeToUtf8(const uint8_t* bytes, size_t size) {
    std::string text;
    const size_t units = size / 2;
    for (size_t i = 0; i < units; ++i) {
        const uint16_t unit = ReadU16(bytes + 2 * i);
        const uint16_t next = i + 1 < units ? ReadU16(bytes + 2 * i + 2) : 0;
        if (IsHighSurrogate(unit) && IsLowSurrogate(next)) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            ++i;
        } else {
            AppendUtf8(text, unit);
        }
    }
    if (size % 2 != 0) {
        AppendUtf8(text, kReplacement);
    }
    return text;
}

void AppendUtf16Le(std::vector<uint8_t>& out, std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const Utf8Char character = DecodeUtf8Char(text, at);
        at += character.length;
        const char32_t codePoint = character.valid ? character.codePoint : kReplacement;
        if (codePoint >= 0x10000) {
            AppendUnit(out, static_cast<uint16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
            AppendUnit(out, static_cast<uint16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
        } else {
            AppendUnit(out, static_cast<uint16_t>(codePoint));
        }
    }
}

}  // namespace keyloom
