#include "codecs/voice_message.h"

#include "codecs/vocabulary.h"
#include "image/regions.h"

namespace rc {

static_assert(1 + 2 * kMaxMessageWords <= kMessageRecordSize);

int MessageWordCount(const ImageBytes& image, int record) {
    int count = image[record];
    return count <= kMaxMessageWords ? count : 0;
}

std::string VoiceMessageText(const ImageBytes& image, int record) {
    return TrimBlanks(WordsText(image, record + 1, MessageWordCount(image, record)));
}

} // namespace rc
