#pragma once

// Every setting of an image by name, as the editor's dialogs show it, and what differs between two
// images. The listing is made from the dialogs' own display routines, so it cannot disagree with
// them or with the reports; bytes that no setting names are listed too, so nothing in an image is
// invisible.

#include "image/image_bytes.h"
#include "image/regions.h"

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rc::print {

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

// One area of the listing: its lines, the bytes they are made of and the way back from a line.
struct ListedArea {
    std::string area;
    std::vector<Region> bytes;
    void (*list)(const ImageBytes& image, int copy, std::vector<SettingLine>& out);
    AreaSetter set;
    int copy = 0; // the copy selector the area's dialog is opened with
};

// The areas in the order of the editor's menus.
const std::vector<ListedArea>& ListedAreas();

// The lines of one area, named with it.
std::vector<SettingLine> ListArea(const ImageBytes& image, const ListedArea& area);
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

// "area | item | value" and "area | item | old -> new"; an empty value shows as "(none)".
std::string ListingText(const std::vector<SettingLine>& lines);
std::string ChangesText(const std::vector<SettingChange>& changes);
// A JSON array with one object per line: {"area", "item", "value"} or {"area", "item", "old", "new"}.
std::string ListingJson(const std::vector<SettingLine>& lines, const std::string& valueKey = "value");
std::string ChangesJson(const std::vector<SettingChange>& changes);

// rcedit --export [--format text|json] [--output PATH] FILE
// rcedit --import SETTINGS [--output NEW] IMAGE (see settings_import.h)
// rcedit --diff [--format text|json] [--output PATH] OLD NEW
// --diff exits 0 when the images are equal in every byte and 1 when they differ; --export exits 0.
// Both exit 2 for bad arguments, a refused file or an output that cannot be written.
bool IsListingInvocation(const std::vector<std::string>& args);

// The arguments of one of these commands: options in `valued` take a value ("--output PATH" or
// "--output=PATH"), those in `flags` none (the last one given is `flag`); anything else starting
// with "-" is refused, with `usage`, on `err`. --no-splash means nothing here and is passed over.
struct CommandArgs {
    std::map<std::string, std::string> values;
    std::vector<std::string> files;
    std::string flag;
    std::string Value(const std::string& option, const std::string& otherwise = {}) const {
        const auto found = values.find(option);
        return found == values.end() ? otherwise : found->second;
    }
    // The --format of a command that writes text or JSON ("text" unless given); empty, with the
    // refusal said on `err`, for any other.
    std::string TextOrJson(std::ostream& err) const;
};
std::optional<CommandArgs> ParseCommandArgs(const std::vector<std::string>& args,
                                            std::initializer_list<std::string> valued,
                                            std::initializer_list<std::string> flags, const char* usage,
                                            std::ostream& err);
int RunListingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rc::print
