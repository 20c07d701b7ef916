#include "codecs/voice_message.h"
#include "image/regions.h"
#include "print/reports.h"

namespace rc::print {

namespace {

// A record whose count could not fit in it prints as an empty message, as the editor shows it,
// rather than reading the words of the next record.
void MessageRows(DocumentBuilder& b, const ImageBytes& image, int copy) {
    RecordTable messages = Messages(copy);
    for (int n = 1; n <= messages.count; ++n)
        b.Row({{8, Number(n)}, {14, VoiceMessageText(image, messages.at(n - 1))}});
}

} // namespace

void PMessages(DocumentBuilder& b, const ImageBytes& image) {
    MessageRows(b, image, kBaseCopy);
}

void PMessagesM(DocumentBuilder& b, const ImageBytes& image, int copy) {
    MessageRows(b, image, copy);
}

} // namespace rc::print
