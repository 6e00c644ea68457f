#include "cli/CtlCommand.h"

namespace keyloom {

CtlPlan PlanCommand(const CtlCommand& command, const std::vector<std::string>& words) {
    const CtlArguments arguments = CtlArguments::Parse(command.options, words);
    if (!arguments.Error().empty()) {
        return CtlPlan::Refused(arguments.Error());
    }
    const size_t count = arguments.Operands().size();
    if (count < command.minOperands || count > command.maxOperands) {
        const std::string expected = command.operands[0] != '\0'
                                         ? std::string("takes ") + command.operands
                                         : std::string("takes no argument");
        return CtlPlan::Refused(std::string(command.name) + " " + expected + ", not " +
                                std::to_string(count) + (count == 1 ? " argument" : " arguments"));
    }
    return command.plan(arguments);
}

}  // namespace keyloom
