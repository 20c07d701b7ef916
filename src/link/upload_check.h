#pragma once

// The last look at an image before it reprograms the controller: the editor's own check of every
// setting, so that a blank file, one damaged by another program or a half-edited copy is not sent
// without the user knowing.

#include "image/messages.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rc::link {

// One "area | item | what is wrong" line for each finding of an editor image (.HR8, 8192 bytes);
// none for the files of the other models, which the editor does not know.
std::vector<std::string> UploadFindings(const std::string& path, std::span<const std::uint8_t> bytes);

// Shows the first twenty findings and how many more, and asks whether to send the file anyway;
// No is the answer that sends nothing.
MessageSpec UploadFindingsQuestion(const std::string& path, const std::vector<std::string>& findings);

} // namespace rc::link
