#pragma once

// The zone reports of the base settings and the memory saves, and the courtesy tones with the CW
// identification.

#include "print/headings.h"

#include <vector>

namespace rc::print {

// Two zones side by side, `first` and first + 1 (1, 3, 5 or 7), of the zone table at `table`.
void PZonePair(DocumentBuilder& b, const ImageBytes& image, int table, int first);
void pCourtesyTones(DocumentBuilder& b, const ImageBytes& image);
void PCWMessages(DocumentBuilder& b, const ImageBytes& image);

// The print jobs: "Base Repeater Zones" (two documents), "Memory Saves Repeater Zones" (eight) and
// "Courtesy Tones / CW Message" (one).
void BaseZonesJob(std::vector<Document>& out, const ReportContext& ctx);
void MemoryZonesJob(std::vector<Document>& out, const ReportContext& ctx);
void TonesCwJob(std::vector<Document>& out, const ReportContext& ctx);

} // namespace rc::print
