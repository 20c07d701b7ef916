#pragma once

// What the areas of the settings table share: the words a listed value is made of, and the entry
// rules several dialogs have in common (the keypad, the word dialog, On/Off for ticks). Only the
// area files read this; the rest of the program knows a setting through the table.

#include "codecs/keypad_logic.h"
#include "codecs/word_dialog.h"
#include "listing/settings_list.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace rc::listing {

// A refusal in the dialog's own words, or nothing.
using Refusal = std::optional<std::string>;

// One area for the base settings and one for each memory save ("Base Codes", "Memory Save #2
// Codes"), each opened on its own copy and made of that copy's bytes.
std::vector<ListedArea> EveryCopy(const std::string& what,
                                  const std::function<std::vector<Region>(int copy)>& bytes,
                                  decltype(ListedArea::list) list, AreaSetter set);
// "Message 07": numbered as the dialog numbers it, two digits at least.
std::string Numbered(const std::string& what, int n);

// A tick as listed, and back: "On" or "Off", anything else is no tick.
std::string OnOff(bool on);
std::optional<bool> OnOffValue(const std::string& value);
inline constexpr const char* kOnOffOnly = "Error! A tick is On or Off";

// A command as the controller will read it: its digits, then what it does.
std::string CommandWords(const std::string& digits, const std::string& words);
// The four digits a listed command is entered with; the description of an empty slot standing alone
// (a macro without a code shows no digits) is no command.
std::string CommandEntry(const std::string& value);
// The parts that are not empty, joined by ", ".
std::string Joined(std::initializer_list<std::string> parts);
std::vector<std::string> Split(const std::string& s, const std::string& separator);
// A value quoted back in a refusal, clipped.
std::string Quote(const std::string& text);

// What the keypad says to `entry`, or nothing when it takes it.
Refusal KeyPad(const KeyPadParams& params, const std::string& entry);
// The word dialog opened on `opened`, cleared, and the words of `value` picked one by one.
Refusal BuildWords(const VoiceContract& opened, const std::string& value, VoiceContract& built);

} // namespace rc::listing
