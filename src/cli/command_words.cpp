#include "cli/command_words.h"

namespace rc {

bool IsOptionWord(const std::string& word) {
    return word.rfind("--", 0) == 0;
}

std::size_t OptionsEnd(const std::vector<std::string>& args, std::size_t first) {
    for (std::size_t i = first; i < args.size(); ++i)
        if (args[i] == "--")
            return i;
    return args.size();
}

std::string MissingValue(const std::vector<std::string>& args, std::size_t i) {
    const std::string& name = args[i];
    if (i + 1 >= args.size())
        return name + " needs a value";
    if (args[i + 1] == "--")
        return name + " needs a value (\"--\" ends the options)";
    if (IsOptionWord(args[i + 1]))
        return name + " needs a value (\"" + args[i + 1] + "\" is an option, not a value)";
    return {};
}

} // namespace rc
