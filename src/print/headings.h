#pragma once

#include "image/image_bytes.h"
#include "print/document.h"

#include <string>

namespace rc::print {

// What every report needs besides the image: the main window's file panel text (" " + path, or
// empty when no file is open), the print date in the user's short date form, and the printer
// font size of the editor's settings.
struct ReportContext {
    const ImageBytes& image;
    std::string fileText;
    std::string printDate;
    int fontSize = 10;
};

// The title a job code selects, or empty for a code without one.
std::string SubHeadingTitle(int code);

// Empty line, "File: ..." and "Print Date: ..." at column 8, empty line.
void PageHeading(DocumentBuilder& b, const ReportContext& ctx);
// The centred title of a job code and, for some codes, bold column headings.
void SubHeading(DocumentBuilder& b, int code);
// The voice message documents' heading: page heading at 10 points, then their own title.
void PageHeadingM(DocumentBuilder& b, const ReportContext& ctx, int copy);

// Today's date in the user's short date form; SOURCE_DATE_EPOCH, when set, fixes the day so that
// archived reports can be reproduced.
std::string ShortDateToday();

} // namespace rc::print
