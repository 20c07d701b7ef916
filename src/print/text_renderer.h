#pragma once

#include "print/document.h"

#include <string>
#include <vector>

namespace rc::print {

// Plain text: tab column n is character column n, a centred title is centred on `width` columns,
// and a form feed stands between pages and between documents. Every line ends with '\n'.
std::string RenderLine(const Line& line, int width = 80);
std::string RenderText(const std::vector<Document>& documents, int width = 80);

} // namespace rc::print
