#include "cli/option_parser.h"

#include "cli/command_words.h"

#include <algorithm>

namespace rc::cli {

Words ReadWords(const std::vector<std::string>& args, const std::vector<Option>& table,
                const Syntax& syntax) {
    Words read;
    const Option* waiting = nullptr; // an option whose value has not come yet
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        const bool optionWord = !optionsEnded && (syntax.singleDashOptions ? word.size() > 1 && word[0] == '-'
                                                                           : IsOptionWord(word));
        if (!optionWord) {
            read.words.push_back({waiting, waiting ? waiting->name : word, waiting ? word : ""});
            waiting = nullptr;
            continue;
        }
        const std::size_t eq = word.find('=');
        const std::string name = word.substr(0, eq);
        const auto found =
            std::find_if(table.begin(), table.end(), [&](const Option& o) { return name == o.name; });
        if (found == table.end())
            read.refusal = syntax.unknownBefore + word + syntax.unknownAfter;
        else if (!found->value && eq != std::string::npos)
            read.refusal = name + " takes no value";
        else if (found->value && eq == std::string::npos && syntax.valueMayWait && waiting)
            read.refusal =
                std::string(waiting->name) + " needs a value (\"" + name + "\" is an option, not a value)";
        else if (found->value && eq == std::string::npos && !syntax.valueMayWait)
            read.refusal = MissingValue(args, i);
        if (!read.refusal.empty())
            return read;
        if (found->value && eq == std::string::npos && syntax.valueMayWait)
            waiting = &*found;
        else if (found->value && eq == std::string::npos)
            read.words.push_back({&*found, word, args[++i]});
        else
            read.words.push_back({&*found, word, eq == std::string::npos ? "" : word.substr(eq + 1)});
    }
    if (waiting)
        read.refusal = std::string(waiting->name) + " needs a value";
    return read;
}

std::string OptionsHelp(const std::vector<Option>& table, std::size_t column) {
    std::string text;
    for (const Option& o : table) {
        if (!o.help)
            continue;
        std::string head = std::string("  ") + o.name + (o.value ? std::string(" ") + o.value : "");
        head.resize(std::max(head.size() + 1, column), ' ');
        std::string help = o.help;
        for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1))
            help.insert(at + 1, column, ' ');
        text += head + help + "\n";
    }
    return text;
}

} // namespace rc::cli
