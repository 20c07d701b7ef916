#pragma once

// Whole-block work on the image: copying groups of base settings into a memory save, and the
// flush blocks that empty a large area at once.

#include "image/image_bytes.h"
#include "image/messages.h"
#include "image/regions.h"

#include <array>

namespace rc {

// A group of base settings the memory configuration dialog copies, one row of "Copy" buttons.
struct CopyGroup {
    const char* label;       // the row label
    const char* buttonArray; // the row's buttons are <buttonArray>_0 .. _3 for memory save #1 .. #4
    Region source;           // in the base settings
    int (*destination)(int save);
};

inline constexpr int kCopyGroupCount = 4;
const std::array<CopyGroup, kCopyGroupCount>& CopyGroups();

// Copies group g's base bytes into memory save `save` (1..4), lowest byte first.
void CopyToMemorySave(ImageBytes& image, int g, int save);
// What the dialog shows after each copy.
MessageSpec CopyOkMessage();

struct FlushBlock {
    const char* label;
    Region block;
};

inline constexpr int kFlushBlockCount = 9;
const std::array<FlushBlock, kFlushBlockCount>& FlushBlocks();

// Indicator colours: red while a block holds data, white when it is empty.
inline constexpr int kIndicatorRed = 255;
inline constexpr int kIndicatorWhite = 16777215;

// The colour of each flush block's indicator.
std::array<int, kFlushBlockCount> DisplayErase(const ImageBytes& image);
// Clears image[PT] .. image[PT + Length - 1]; nothing for a length that is not positive.
void OKErase(ImageBytes& image, int PT, int Length);
MessageSpec FlushQuestion();

// "Flush" of block i: an empty block is left alone; otherwise, after a Yes to the question, the
// block is cleared. True when it was.
bool FlushMemoryBlock(ImageBytes& image, int i, IMessages& messages);

} // namespace rc
