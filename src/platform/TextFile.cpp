#include "platform/TextFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/TextEncoding.h"
#include "platform/UserFolders.h"

namespace keyloom {

namespace {

struct ByteOrderMark {
    TextFileEncoding encoding;
    std::string_view bytes;
};

constexpr ByteOrderMark kByteOrderMarks[] = {
    {TextFileEncoding::kUtf8WithBom, "\xEF\xBB\xBF"},
    {TextFileEncoding::kUtf16LeWithBom, "\xFF\xFE"},
};

bool StartsWith(const std::vector<uint8_t>& bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                      [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

std::string_view MarkOf(TextFileEncoding encoding) {
    for (const auto& mark : kByteOrderMarks) {
        if (mark.encoding == encoding) {
            return mark.bytes;
        }
    }
    return {};
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::optional<TextFileContent> ReadTextFile(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    for (const auto& mark : kByteOrderMarks) {
        if (!StartsWith(*bytes, mark.bytes)) {
            continue;
        }
        const uint8_t* body = bytes->data() + mark.bytes.size();
        const size_t size = bytes->size() - mark.bytes.size();
        if (mark.encoding == TextFileEncoding::kUtf16LeWithBom) {
            return TextFileContent{Utf16LeToUtf8(body, size), mark.encoding};
        }
        return TextFileContent{std::string(body, body + size), mark.encoding};
    }
    return TextFileContent{std::string(bytes->begin(), bytes->end()), TextFileEncoding::kUtf8};
}

bool WriteTextFile(const std::string& path, const TextFileContent& content) {
    const std::string_view mark = MarkOf(content.encoding);
    std::vector<uint8_t> bytes(mark.begin(), mark.end());
    if (content.encoding == TextFileEncoding::kUtf16LeWithBom) {
        AppendUtf16Le(bytes, content.text);
    } else {
        bytes.insert(bytes.end(), content.text.begin(), content.text.end());
    }
    const std::string folder = FolderOf(path);
    if (!folder.empty() && !EnsureFolder(folder)) {
        return false;
    }
    return WriteFileAtomically(path, bytes);
}

bool FileIsMissing(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) != 0 && errno == ENOENT;
}

bool EditTextFile(const std::string& path, const std::function<bool(std::string& text)>& change) {
    static std::mutex editing;
    const std::lock_guard<std::mutex> lock(editing);
    auto content = ReadTextFile(path);
    if (!content) {
        if (!FileIsMissing(path)) {
            return false;
        }
        content.emplace();
    }
    return change(content->text) && WriteTextFile(path, *content);
}

}  // namespace keyloom
