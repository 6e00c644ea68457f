// The layers hold: every include of the tool's sources points to its own folder or to a folder
// the architecture puts below it (docs/ARCHITECTURE.md).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {
namespace {

namespace fs = std::filesystem;

// The C header of the transport library, which the tool and the library both compile.
constexpr const char* kTransportApi = "transport C header";

// Each layer and the layers it may include, besides itself.
const std::map<std::string, std::set<std::string>> kAllowedArrows = {
    {"platform", {}},
    {"model", {"platform"}},
    {"preview", {"model", "platform"}},
    {"storage", {"model", "platform"}},
    {"device", {"platform", kTransportApi}},
    {"session", {"device", "model", "storage", "platform", kTransportApi}},
    {"startup", {"session", "device", "model", "storage", "platform", kTransportApi}},
    {"cli", {"startup", "session", "device", "model", "storage", "platform", kTransportApi}},
    {"controls", {"session", "device", "model", "storage", "platform", kTransportApi}},
    {"editors",
     {"controls", "startup", "session", "device", "model", "storage", "platform", kTransportApi}},
    {"ui",
     {"editors", "controls", "startup", "session", "preview", "device", "model", "storage",
      "platform", kTransportApi}},
    {"app",
     {"ui", "editors", "controls", "startup", "session", "preview", "device", "model", "storage",
      "platform", kTransportApi}},
    {"zozodiz", {"platform", kTransportApi}},
    {"daemon", {"platform"}},
    {"skingen", {"storage", "model", "platform"}},
};

// The source trees and how a file's layer follows from its path below them.
struct SourceTree {
    const char* folder;
    const char* layer;  // null: the first folder below the tree names the layer
};

constexpr SourceTree kTrees[] = {
    {"src", nullptr},
    {"zozodiz", "zozodiz"},
    {"daemon", "daemon"},
    {"tools/skingen", "skingen"},
};

struct Arrow {
    std::string file;
    std::string from;
    std::string to;
};

// The layer an include names: "model/KeyCatalog.h" is in model; the transport's headers are the
// transport C header; a bare name is a file of the includer's own folder.
std::string TargetOf(const std::string& included, const std::string& from) {
    const auto slash = included.find('/');
    if (slash != std::string::npos) {
        return included.substr(0, slash);
    }
    if (included == "ZozOdiz.h" || included == "ZozSim.h") {
        return kTransportApi;
    }
    return from;
}

// The file named by a line `#include "name"`, or nothing for any other line.
std::optional<std::string> QuotedInclude(std::string_view line) {
    constexpr std::string_view kDirective = "include";
    const auto hash = line.find_first_not_of(" \t");
    if (hash == std::string_view::npos || line[hash] != '#') {
        return std::nullopt;
    }
    line.remove_prefix(hash + 1);
    line.remove_prefix(std::min(line.size(), line.find_first_not_of(" \t")));
    if (!line.starts_with(kDirective)) {
        return std::nullopt;
    }
    line.remove_prefix(kDirective.size());
    const auto open = line.find_first_not_of(" \t");
    if (open == std::string_view::npos || line[open] != '"') {
        return std::nullopt;
    }
    const auto close = line.find('"', open + 1);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(line.substr(open + 1, close - open - 1));
}

std::vector<Arrow> ArrowsOf(const fs::path& file, const std::string& layer) {
    std::vector<Arrow> arrows;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (const auto included = QuotedInclude(line)) {
            arrows.push_back({file.string(), layer, TargetOf(*included, layer)});
        }
    }
    return arrows;
}

bool IsSource(const fs::path& path) {
    return path.extension() == ".h" || path.extension() == ".cpp";
}

std::vector<Arrow> AllArrows() {
    std::vector<Arrow> arrows;
    for (const SourceTree& tree : kTrees) {
        const fs::path root = fs::path(KEYLOOM_SOURCE_DIR) / tree.folder;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (!entry.is_regular_file() || !IsSource(entry.path())) {
                continue;
            }
            const std::string layer = tree.layer != nullptr
                                          ? tree.layer
                                          : fs::relative(entry.path(), root).begin()->string();
            const auto found = ArrowsOf(entry.path(), layer);
            arrows.insert(arrows.end(), found.begin(), found.end());
        }
    }
    return arrows;
}

TEST(IncludeArrowsTest, EveryIncludePointsToItsOwnLayerOrOneBelow) {
    const std::vector<Arrow> arrows = AllArrows();
    ASSERT_GT(arrows.size(), 500u) << "the sources were not found";
    for (const Arrow& arrow : arrows) {
        const auto allowed = kAllowedArrows.find(arrow.from);
        ASSERT_NE(allowed, kAllowedArrows.end()) << "no layer named " << arrow.from;
        EXPECT_TRUE(arrow.to == arrow.from || allowed->second.contains(arrow.to))
            << arrow.file << ": " << arrow.from << " may not include " << arrow.to;
    }
}

}  // namespace
}  // namespace keyloom
