#include "cli/CtlArguments.h"

#include <algorithm>

namespace keyloom {

namespace {

constexpr std::string_view kOptionStart = "--";

const CtlOption* FindOption(const std::vector<CtlOption>& options, std::string_view name) {
    const auto found =
        std::find_if(options.begin(), options.end(),
                     [name](const CtlOption& option) { return option.name == name; });
    return found != options.end() ? &*found : nullptr;
}

bool TakesValue(const CtlOption& option) {
    return option.value[0] != '\0';
}

}  // namespace

CtlArguments CtlArguments::Parse(const std::vector<CtlOption>& options,
                                 const std::vector<std::string>& words) {
    CtlArguments parsed;
    bool onlyOperands = false;
    for (size_t i = 0; i < words.size() && parsed.error_.empty(); ++i) {
        const std::string& word = words[i];
        if (!onlyOperands && word == kOptionStart) {
            onlyOperands = true;
            continue;
        }
        if (onlyOperands || !word.starts_with(kOptionStart)) {
            parsed.operands_.push_back(word);
            continue;
        }
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const CtlOption* option = FindOption(options, name);
        if (option == nullptr) {
            parsed.error_ = "unknown option " + name +
                            (options.empty() ? "; this command has none"
                                             : "; the options are " + OptionList(options));
        } else if (parsed.Has(name)) {
            parsed.error_ = name + " is given twice";
        } else if (!TakesValue(*option) && equals != std::string::npos) {
            parsed.error_ = name + " takes no value";
        } else if (!TakesValue(*option)) {
            parsed.given_[name] = "";
        } else if (equals != std::string::npos) {
            parsed.given_[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            parsed.given_[name] = words[++i];
        } else {
            parsed.error_ = name + " needs a value: " + option->name + " " + option->value;
        }
    }
    return parsed;
}

bool CtlArguments::Has(std::string_view option) const {
    return given_.find(option) != given_.end();
}

std::optional<std::string> CtlArguments::Value(std::string_view option) const {
    const auto found = given_.find(option);
    return found != given_.end() ? std::optional(found->second) : std::nullopt;
}

std::string OptionList(const std::vector<CtlOption>& options) {
    std::string list;
    for (const CtlOption& option : options) {
        list += (list.empty() ? "" : ", ") + std::string(option.name);
        if (TakesValue(option)) {
            list += std::string(" ") + option.value;
        }
    }
    return list;
}

}  // namespace keyloom
