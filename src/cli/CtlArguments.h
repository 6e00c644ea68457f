#pragma once

// The words a command gets after its name, split into its options and its operands.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// An option of a command: a flag, or an option that takes a value.
struct CtlOption {
    const char* name;   // with its dashes: "--profile"
    const char* value;  // what the value is, as the help names it ("N"); empty for a flag
    const char* help;
};

class CtlArguments {
  public:
    // Options are the words that start with "--" (the value follows as the next word or after
    // '='); every other word, and every word after a lone "--", is an operand. An option the
    // command does not have, one given twice, a value missing or given to a flag, sets the error
    // instead.
    static CtlArguments Parse(const std::vector<CtlOption>& options,
                              const std::vector<std::string>& words);

    const std::string& Error() const { return error_; }
    const std::vector<std::string>& Operands() const { return operands_; }
    bool Has(std::string_view option) const;
    std::optional<std::string> Value(std::string_view option) const;

  private:
    std::map<std::string, std::string, std::less<>> given_;
    std::vector<std::string> operands_;
    std::string error_;
};

// "--profile N, --bank A|B, --no-apply": the options as an error lists them.
std::string OptionList(const std::vector<CtlOption>& options);

}  // namespace keyloom
