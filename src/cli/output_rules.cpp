#include "cli/output_rules.h"

#include "cli/command_words.h"
#include "files/replace_file.h"
#include "image/image_file.h"

#include <cctype>
#include <cstdint>
#include <ostream>

namespace rc::cli {

bool RefusesOutputName(const std::string& output, const std::string& extension, const char* what,
                       std::ostream& err) {
    const auto lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    if (output.size() >= extension.size() &&
        lower(output.substr(output.size() - extension.size())) == lower(extension))
        return false;
    err << "rcedit: --output " << output << ": " << what << " is written only to a file named *" << extension
        << " (in any case); nothing was written\n";
    return true;
}

bool ToStandardOutput(const std::string& output) {
    return output.empty() || output == kStandardStream;
}

bool RefusesBinaryOnTerminal(const std::string& output, bool stdoutIsTerminal, const char* what,
                             std::ostream& err) {
    if (output != kStandardStream || !stdoutIsTerminal)
        return false;
    err << "rcedit: " << what << " is not written to a terminal; name a file with --output, or send "
        << "standard output to a file or a program\n";
    return true;
}

bool PutOutput(const std::string& output, const std::string& bytes, std::ostream& out, std::ostream& err) {
    if (!ToStandardOutput(output))
        return WriteOutputFile(output, bytes, err);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out)
        err << "rcedit: cannot write to standard output\n";
    return static_cast<bool>(out);
}

bool RefusesOutput(const std::string& output, const std::vector<std::string>& inputs, std::ostream& err) {
    if (ToStandardOutput(output))
        return false;
    const std::string input = OutputNamesAnInput(output, inputs);
    if (!input.empty()) {
        err << "rcedit: --output " << output << " is the input file " << input << "; nothing was written\n";
        return true;
    }
    // A target the write would refuse anyway is refused before any work, and with the status of
    // every other refusal rather than that of a failed write.
    const WriteTarget target = ResolveWriteTarget(output);
    if (target.refusal.empty())
        return false;
    err << "rcedit: cannot write " << output << ": " << target.refusal << "\n";
    return true;
}

bool WriteOutputFile(const std::string& output, const std::string& text, std::ostream& err) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const WriteResult written = ReplaceFileContents(output, {bytes, text.size()});
    if (!written.ok)
        err << "rcedit: cannot write " << output << ": " << written.reason << "\n";
    else if (!written.keptCopy.empty())
        err << "rcedit: " << KeptCopyMessage(output, written.keptCopy).text << "\n";
    return written.ok;
}

} // namespace rc::cli
