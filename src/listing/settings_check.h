#pragma once

// The settings of an image whose stored bytes no dialog of the editor could have written: a file
// damaged by another program, a half-written copy, bytes from another controller. The judge is the
// dialogs' own entry rules, the same ones the import follows: a setting is sound when the dialog
// that shows it would take the value it shows and store exactly the bytes that are there. Bits no
// dialog shows are not looked at.

#include "listing/settings_list.h"

#include <string>
#include <vector>

namespace rc::listing {

// One line per doubtful setting, in the order of the listing, `value` saying what is wrong. An image
// of nothing but 0x00 or 0xFF bytes is one finding: it is blank.
std::vector<SettingLine> CheckSettings(const ImageBytes& image);
// The findings of one area, added to `findings`.
void CheckArea(const ImageBytes& image, const ListedArea& area, std::vector<SettingLine>& findings);

} // namespace rc::listing
