#include "cli/output_rules.h"
#include "cli/run_commands.h"
#include "editors/courtesy_tones.h"
#include "image/image_file.h"
#include "image/regions.h"
#include "sound/tones.h"

#include <ostream>

namespace rc::cli {

int RunSoundCommand(const SoundCommand& command, std::ostream& out, std::ostream& err,
                    const sound::SpeechMoment& moment) {
    const std::string& file = command.file;
    if (!ToStandardOutput(command.output) && RefusesOutput(command.output, {file}, err))
        return 2;
    ImageBytes image;
    const ReadResult read = ReadImageFile(file, image);
    if (read.error != OpenError::None) {
        err << OpenErrorMessage(read).text << "\n";
        return 2;
    }

    using Kind = SoundCommand::Kind;
    sound::Pcm pcm;
    if (command.kind == Kind::Tone) {
        pcm = sound::CourtesyToneSound(image, command.number - 1);
    } else if (command.kind == Kind::Cw) {
        pcm = sound::CwSound(sound::CwStoredCodes(image), command.keying);
    } else {
        const int record = command.kind == Kind::Voice ? Messages(kBaseCopy).at(command.number - 1)
                                                       : Messages(command.number).at(command.message - 1);
        sound::Speech speech = sound::SpeakWords(sound::MessageKeys(image, record), moment);
        if (!speech.error.empty()) {
            err << "rcedit: " << speech.error << "\n";
            return 1;
        }
        pcm = std::move(speech.pcm);
    }
    if (pcm.empty())
        err << "rcedit: " << command.what << " is empty in " << file << "; the sound file holds no sound\n";
    return PutOutput(command.output, sound::WavFile(pcm), out, err) ? 0 : 1;
}

} // namespace rc::cli
