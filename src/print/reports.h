#pragma once

// The bodies of the printed reports. Each report prints its rows into the builder; the jobs
// (jobs.h) wrap them in documents with their page headings.

#include "print/headings.h"

namespace rc::print {

// Control codes of a copy (0 base, 1..4 memory save), with their title.
void PCodes(DocumentBuilder& b, const ImageBytes& image, int copy);
// Timers of a copy, with their title.
void PTimers(DocumentBuilder& b, const ImageBytes& image, int copy);
// The 20 base voice messages; their documents open with PageHeadingM instead of a title.
void PMessages(DocumentBuilder& b, const ImageBytes& image);
// The 8 voice messages of memory save `copy` (1..4).
void PMessagesM(DocumentBuilder& b, const ImageBytes& image, int copy);
// The 20 macros, with their title.
void PMacros(DocumentBuilder& b, const ImageBytes& image);
// Scheduler events 1 to 20 (page 1) or 21 to 40 (page 2), with their title.
void PSchedular(DocumentBuilder& b, const ImageBytes& image, int page);
// Page `page` (0..4) of the user speed dial: entries 20 * page to 20 * page + 19, without headings.
void PSpeedDial(DocumentBuilder& b, const ImageBytes& image, int page);
// The five emergency speed dial entries, without headings.
void PSpeedDialE(DocumentBuilder& b, const ImageBytes& image);
// Two zones side by side, `first` and first + 1 (1, 3, 5 or 7), of the zone table at `table`, with
// the report's own labels (they differ from the dialog's captions).
void PZonePair(DocumentBuilder& b, const ImageBytes& image, int table, int first);
// The eight courtesy tones, without headings.
void pCourtesyTones(DocumentBuilder& b, const ImageBytes& image);
// The CW identification message, "Empty" when there is none.
void PCWMessages(DocumentBuilder& b, const ImageBytes& image);

} // namespace rc::print
