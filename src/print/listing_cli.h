#pragma once

// The listing's commands: --export, --diff, --import and --check read and write files here; what a
// setting is, and every rule about it, is the settings table's (src/listing).

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rc::print {

// rcedit --export [--format text|json] [--output PATH] FILE
// rcedit --import SETTINGS [--output NEW] IMAGE (see settings_import.h)
// rcedit --diff [--format text|json] [--output PATH] OLD NEW
// --diff exits 0 when the images are equal in every byte and 1 when they differ; --export exits 0.
// Both exit 2 for bad arguments, a refused file or an output that cannot be written.
bool IsListingInvocation(const std::vector<std::string>& args);

// The arguments of one of these commands: options in `valued` take a value ("--output PATH" or
// "--output=PATH"), those in `flags` none (the last one given is `flag`); anything else starting
// with "-" is refused, with `usage`, on `err`. --no-splash means nothing here and is passed over.
struct CommandArgs {
    std::map<std::string, std::string> values;
    std::vector<std::string> files;
    std::string flag;
    std::string Value(const std::string& option, const std::string& otherwise = {}) const {
        const auto found = values.find(option);
        return found == values.end() ? otherwise : found->second;
    }
    // The --format of a command that writes text or JSON ("text" unless given); empty, with the
    // refusal said on `err`, for any other.
    std::string TextOrJson(std::ostream& err) const;
};
std::optional<CommandArgs> ParseCommandArgs(const std::vector<std::string>& args,
                                            std::initializer_list<std::string> valued,
                                            std::initializer_list<std::string> flags, const char* usage,
                                            std::ostream& err);
int RunListingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// rcedit --import SETTINGS [--output NEW] IMAGE
// Writes NEW, or IMAGE itself when no --output is given and a setting changed. Exit 0 done; 2 bad
// arguments, a refused file or line (nothing is written then), an --output that is one of the input
// files, or an output that cannot be written.
int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// rcedit --check [--format text|json] [--output PATH] FILE
// Exit 0 when nothing is found, 1 with findings, 2 for bad arguments, a refused file or an output
// that cannot be written.
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rc::print
