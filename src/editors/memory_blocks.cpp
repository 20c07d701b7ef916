#include "editors/memory_blocks.h"

namespace rc {

namespace {

constexpr Region kBaseMessagesSaved{MessagesStart(kBaseCopy), kMessageRecordSize* kMemoryMessageCount};

const std::array<CopyGroup, kCopyGroupCount> kCopyGroups = {{
    {"Control Numbers", "cmdCodes", kBaseCodesBlock, CodesStart},
    {"Repeater Timers", "cmdTimers", kBaseTimersBlock, TimersStart},
    {"Voice Messages.", "cmdVoice", kBaseMessagesSaved, MessagesStart},
    {"Zone Channels", "cmdZones", kBaseZones, ZonesStart},
}};

const std::array<FlushBlock, kFlushBlockCount> kFlushBlocks = {{
    {"User Speed Dial Memory", kUserSpeedDial.region()},
    {"Emergency Speed Dial Memory", kEmergencySpeedDial.region()},
    {"Schedular Memory", kScheduler.region()},
    {"Macro Memory", kMacros.region()},
    {"Base Voice Synthesizer Messages", kBaseMessagesBlock},
    {"Memory Save #1", MemorySave(1)},
    {"Memory Save #2", MemorySave(2)},
    {"Memory Save #3", MemorySave(3)},
    {"Memory Save #4", MemorySave(4)},
}};

} // namespace

const std::array<CopyGroup, kCopyGroupCount>& CopyGroups() {
    return kCopyGroups;
}

void CopyToMemorySave(ImageBytes& image, int g, int save) {
    RC_ASSERT(g >= 0 && g < kCopyGroupCount && save >= 1 && save <= kMemorySaveCount);
    const CopyGroup& group = kCopyGroups[static_cast<std::size_t>(g)];
    const int to = group.destination(save);
    for (int k = 0; k < group.source.length; ++k)
        image[to + k] = image[group.source.offset + k];
}

MessageSpec CopyOkMessage() {
    return {" Memory File Data Copy OK ", "Memory Files Configuration", MessageIcon::Information};
}

const std::array<FlushBlock, kFlushBlockCount>& FlushBlocks() {
    return kFlushBlocks;
}

std::array<int, kFlushBlockCount> DisplayErase(const ImageBytes& image) {
    std::array<int, kFlushBlockCount> colours{};
    for (std::size_t i = 0; i < kFlushBlocks.size(); ++i) {
        colours[i] = kIndicatorWhite;
        for (std::uint8_t b : image.Slice(kFlushBlocks[i].block.offset, kFlushBlocks[i].block.length))
            if (b != 0) {
                colours[i] = kIndicatorRed;
                break;
            }
    }
    return colours;
}

void OKErase(ImageBytes& image, int PT, int Length) {
    for (int k = 0; k < Length; ++k)
        image[PT + k] = 0;
}

MessageSpec FlushQuestion() {
    return {"Are you sure you want to Flush?", "Memory Flush Process", MessageIcon::Exclamation,
            MessageButtons::YesNo, Answer::No};
}

bool FlushMemoryBlock(ImageBytes& image, int i, IMessages& messages) {
    RC_ASSERT(i >= 0 && i < kFlushBlockCount);
    if (DisplayErase(image)[static_cast<std::size_t>(i)] != kIndicatorRed)
        return false;
    if (messages.Show(FlushQuestion()) != Answer::Yes)
        return false;
    const Region& block = kFlushBlocks[static_cast<std::size_t>(i)].block;
    OKErase(image, block.offset, block.length);
    return true;
}

} // namespace rc
