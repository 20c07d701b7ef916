#include "sound/sound_cli.h"

#include "desktop/command_words.h"
#include "editors/courtesy_tones.h"
#include "image/image_file.h"
#include "image/regions.h"
#include "print/listing_cli.h"
#include "print/report_cli.h"
#include "sound/tones.h"

#include <charconv>
#include <ostream>

namespace rc::sound {

namespace {

constexpr const char* kSoundUsage =
    "Usage: rcedit --sound WHAT --output FILE.wav|- [--wpm N] [--pitch HZ] FILE\n"
    "WHAT: tone:1 .. tone:8, cw, voice:1 .. voice:20, voice:M:N (memory save M "
    "1..4, message N 1..8)\n";

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The whole text as a number within [low, high].
bool Number(const std::string& text, int low, int high, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

// The colon-separated numbers after `prefix`, each within its range.
bool Numbers(const std::string& what, const std::string& prefix,
             const std::vector<std::pair<int, int>>& ranges, std::vector<int>& values) {
    if (!StartsWith(what, prefix))
        return false;
    std::string rest = what.substr(prefix.size());
    values.clear();
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        const std::size_t colon = rest.find(':');
        const std::string part = k + 1 < ranges.size() ? rest.substr(0, colon) : rest;
        int v = 0;
        if ((k + 1 < ranges.size() && colon == std::string::npos) ||
            !Number(part, ranges[k].first, ranges[k].second, v))
            return false;
        values.push_back(v);
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
    }
    return true;
}

} // namespace

bool IsSoundInvocation(const std::vector<std::string>& args) {
    bool sound = false;
    for (std::size_t i = 1; i < OptionsEnd(args); ++i) {
        if (args[i] == "--help" || args[i] == "-h" || args[i] == "--version")
            return false;
        sound = sound || args[i] == "--sound" || StartsWith(args[i], "--sound=");
    }
    return sound;
}

int RunSoundCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunSoundCommand(args, out, err, LocalNow());
}

int RunSoundCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const SpeechMoment& moment) {
    const std::optional<print::CommandArgs> parsed =
        print::ParseCommandArgs(args, {"--sound", "--output", "--wpm", "--pitch"}, {}, kSoundUsage, err);
    if (!parsed)
        return 2;
    if (parsed->files.size() > 1) {
        err << "rcedit: only one image file can be played at a time\n";
        return 2;
    }
    const std::string what = parsed->Value("--sound"), output = parsed->Value("--output");
    const std::string file = parsed->files.empty() ? std::string() : parsed->files[0];
    CwKeying keying;
    const bool keyed = parsed->values.count("--wpm") || parsed->values.count("--pitch");
    for (const bool wpm : {true, false}) {
        const char* option = wpm ? "--wpm" : "--pitch";
        const int low = wpm ? kWpmMin : kPitchMin, high = wpm ? kWpmMax : kPitchMax;
        const std::string value = parsed->Value(option, std::to_string(wpm ? keying.wpm : keying.pitchHz));
        if (!Number(value, low, high, wpm ? keying.wpm : keying.pitchHz)) {
            err << "rcedit: " << option << " takes " << low << " to " << high << ", not '" << value << "'\n";
            return 2;
        }
    }

    std::vector<int> n;
    enum class Kind { Tone, Cw, Voice, MemoryVoice, None } kind = Kind::None;
    if (Numbers(what, "tone:", {{1, kToneRowCount}}, n))
        kind = Kind::Tone;
    else if (what == "cw")
        kind = Kind::Cw;
    else if (Numbers(what, "voice:", {{1, kBaseMessageCount}}, n))
        kind = Kind::Voice;
    else if (Numbers(what, "voice:", {{1, kMemorySaveCount}, {1, kMemoryMessageCount}}, n))
        kind = Kind::MemoryVoice;
    if (kind == Kind::None) {
        err << "rcedit: unknown sound '" << what << "'\n" << kSoundUsage;
        return 2;
    }
    if (keyed && kind != Kind::Cw) {
        err << "rcedit: --wpm and --pitch are for --sound cw\n";
        return 2;
    }
    if (output.empty() || file.empty()) {
        err << "rcedit: --sound needs --output FILE.wav and an image file\n" << kSoundUsage;
        return 2;
    }
    if (print::ToStandardOutput(output) ? print::RefusesBinaryOnTerminal(output, out, "a WAV file", err)
                                        : print::RefusesOutputName(output, ".wav", "a sound", err) ||
                                              print::RefusesOutput(output, {file}, err))
        return 2;

    ImageBytes image;
    const ReadResult read = ReadImageFile(file, image);
    if (read.error != OpenError::None) {
        err << OpenErrorMessage(read).text << "\n";
        return 2;
    }

    Pcm pcm;
    switch (kind) {
    case Kind::Tone:
        pcm = CourtesyToneSound(image, n[0] - 1);
        break;
    case Kind::Cw:
        pcm = CwSound(CwStoredCodes(image), keying);
        break;
    case Kind::Voice:
    case Kind::MemoryVoice: {
        const int record =
            kind == Kind::Voice ? Messages(kBaseCopy).at(n[0] - 1) : Messages(n[0]).at(n[1] - 1);
        Speech speech = SpeakWords(MessageKeys(image, record), moment);
        if (!speech.error.empty()) {
            err << "rcedit: " << speech.error << "\n";
            return 1;
        }
        pcm = std::move(speech.pcm);
        break;
    }
    case Kind::None:
        break;
    }
    if (pcm.empty())
        err << "rcedit: " << what << " is empty in " << file << "; the sound file holds no sound\n";
    return print::PutOutput(output, WavFile(pcm), out, err) ? 0 : 1;
}

} // namespace rc::sound
