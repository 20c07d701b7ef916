#include "sound/sound_cli.h"

#include "editors/courtesy_tones.h"
#include "image/image_file.h"
#include "image/regions.h"
#include "print/report_cli.h"
#include "sound/tones.h"

#include <charconv>
#include <ostream>

namespace rc::sound {

namespace {

constexpr const char* kSoundUsage =
    "Usage: rcedit --sound WHAT --output FILE.wav [--wpm N] [--pitch HZ] FILE\n"
    "WHAT: tone:1 .. tone:8, cw, voice:1 .. voice:20, voice:M:N (memory save M "
    "1..4, message N 1..8)\n";

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The option's value: "--opt value" or "--opt=value"; false when it has none.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& opt,
               std::string& value) {
    if (args[i] == opt) {
        if (i + 1 >= args.size())
            return false;
        value = args[++i];
        return true;
    }
    value = args[i].substr(opt.size() + 1);
    return true;
}

bool IsOption(const std::string& a, const std::string& opt) {
    return a == opt || StartsWith(a, opt + "=");
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
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h" || args[i] == "--version")
            return false;
        sound = sound || IsOption(args[i], "--sound");
    }
    return sound;
}

int RunSoundCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunSoundCommand(args, out, err, LocalNow());
}

int RunSoundCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err,
                    const SpeechMoment& moment) {
    std::string what, output, file, value;
    CwKeying keying;
    bool keyed = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto take = [&](const char* opt) {
            if (TakeValue(args, i, opt, value))
                return true;
            err << "rcedit: " << opt << " needs a value\n" << kSoundUsage;
            return false;
        };
        if (IsOption(a, "--sound")) {
            if (!take("--sound"))
                return 2;
            what = value;
        } else if (IsOption(a, "--output")) {
            if (!take("--output"))
                return 2;
            output = value;
        } else if (IsOption(a, "--wpm") || IsOption(a, "--pitch")) {
            const bool wpm = IsOption(a, "--wpm");
            if (!take(wpm ? "--wpm" : "--pitch"))
                return 2;
            if (!Number(value, wpm ? kWpmMin : kPitchMin, wpm ? kWpmMax : kPitchMax,
                        wpm ? keying.wpm : keying.pitchHz)) {
                err << "rcedit: " << (wpm ? "--wpm takes " : "--pitch takes ") << (wpm ? kWpmMin : kPitchMin)
                    << " to " << (wpm ? kWpmMax : kPitchMax) << ", not '" << value << "'\n";
                return 2;
            }
            keyed = true;
        } else if (a == "--no-splash") {
        } else if (StartsWith(a, "-") && a != "-") {
            err << "rcedit: unknown option " << a << "\n" << kSoundUsage;
            return 2;
        } else if (file.empty()) {
            file = a;
        } else {
            err << "rcedit: only one image file can be played at a time\n";
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
    if (print::RefusesOutput(output, {file}, err))
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
    return print::WriteOutputFile(output, WavFile(pcm), err) ? 0 : 1;
}

} // namespace rc::sound
