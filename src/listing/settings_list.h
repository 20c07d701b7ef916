#pragma once

// Every setting of an image by name, as the editor's dialogs show it, and what differs between two
// images. The listing is made from the dialogs' own display routines, so it cannot disagree with
// them or with the reports; bytes that no setting names are listed too, so nothing in an image is
// invisible.

#include "image/image_bytes.h"
#include "image/regions.h"

#include <optional>
#include <string>
#include <vector>

namespace rc::listing {

struct SettingLine {
    std::string area;  // the settings area, in the order of the editor's menus
    std::string item;  // the setting, by the name the dialog gives it
    std::string value; // as the dialog shows it
    bool operator==(const SettingLine&) const = default;
};

struct SettingChange {
    std::string area, item, oldValue, newValue;
};

// The area that lists bytes no setting names.
inline constexpr const char* kUnnamedArea = "Unnamed bytes";

// Sets line `index` of an area (of copy `copy`) from a listed value through the entry rules of the
// dialog that shows it; the refusal, in the dialog's own words where it has them, or nothing.
using AreaSetter = std::optional<std::string> (*)(ImageBytes& image, int copy, int index,
                                                  const std::string& value);

// One area of the settings table: its lines, the bytes they are made of and the way back from a
// line. Each area's rows are written in one file of listing/areas, beside each other.
struct ListedArea {
    std::string area;
    std::vector<Region> bytes;
    void (*list)(const ImageBytes& image, int copy, std::vector<SettingLine>& out);
    AreaSetter set;
    int copy = 0; // the copy selector the area's dialog is opened with
    // Values end in a command whose description follows its four digits; the digits decide.
    bool commandDescriptions = false;
};

// The areas in the order of the editor's menus: the settings table.
const std::vector<ListedArea>& ListedAreas();

// The lines of one area, named with it.
std::vector<SettingLine> ListArea(const ImageBytes& image, const ListedArea& area);
// The lines of one area and then, as "0xNNNN" or "0xNNNN-0xMMMM" with their bytes in hex, the bytes
// of the area that none of its settings carries (what its settings, entered on zeros, leave
// different): an area's lines rebuild its bytes whole.
std::vector<SettingLine> ListWholeArea(const ImageBytes& image, const ListedArea& area);
// True for a byte no area names: the bytes the "Unnamed bytes" lines list.
bool IsUnnamedByte(int offset);

// Every setting, area by area, then each run of non-zero bytes that no setting names.
std::vector<SettingLine> ListSettings(const ImageBytes& image);

// The settings whose value differs, in the same order; then runs of unnamed bytes that differ; then,
// for an area whose bytes differ in bits none of its settings shows, one line naming those bytes.
std::vector<SettingChange> DiffSettings(const ImageBytes& oldImage, const ImageBytes& newImage);

// What an edit that turned `before` into `after` changed, for the edit history: the first setting
// that differs as "area: item", with " and N more" when others differ too; empty when none does.
std::string ChangeName(const ImageBytes& before, const ImageBytes& after);

// A value as the listing's text form shows it: "(none)" when empty, and between double quotes when
// its own blanks at either end would otherwise be lost, or when it would read as quoted or as "(none)".
std::string ShownValue(const std::string& value);

// "area | item | value" and "area | item | old -> new", the values as ShownValue gives them.
std::string ListingText(const std::vector<SettingLine>& lines);
std::string ChangesText(const std::vector<SettingChange>& changes);
// A JSON array with one object per line: {"area", "item", "value"} or {"area", "item", "old", "new"}.
std::string ListingJson(const std::vector<SettingLine>& lines, const std::string& valueKey = "value");
std::string ChangesJson(const std::vector<SettingChange>& changes);

} // namespace rc::listing
