#pragma once

// The rows of the settings table, one function per area (or per area and copy), each beside the
// others of its area in the file named after the editor's own: the area and item names, how a row
// lists through the dialog's display routine, and how it is entered through the dialog's entry and
// save routines. What makes a row sound follows from the two: the value it lists, entered again,
// stores the bytes that are there.

#include "listing/settings_list.h"

#include <vector>

namespace rc::listing {

ListedArea StatisticsArea();                 // statistics.cpp
std::vector<ListedArea> CodesAreas();        // codes.cpp, one per copy
std::vector<ListedArea> TimersAreas();       // timers.cpp, one per copy
ListedArea UnlockArea();                     // telephone_codes.cpp
std::vector<ListedArea> VoiceMessageAreas(); // voice.cpp, one per copy
ListedArea CwArea();                         // cw_ident.cpp
ListedArea MacrosArea();                     // macros.cpp
ListedArea SchedulerArea();                  // scheduler.cpp
ListedArea HardwareInputsArea();             // hardware_inputs.cpp
std::vector<ListedArea> ZonesAreas();        // zones.cpp, one per copy
ListedArea UserSpeedDialArea();              // speed_dial.cpp
ListedArea EmergencySpeedDialArea();         // speed_dial.cpp
ListedArea PreDialArea();                    // telephone_codes.cpp
ListedArea AreaCodesArea();                  // telephone_codes.cpp
ListedArea LockoutArea();                    // telephone_codes.cpp
ListedArea CourtesyTonesArea();              // courtesy_tones.cpp
ListedArea ExpandedSwitchesArea();           // expanded_switches.cpp
ListedArea OptionFlagsArea();                // option_flags.cpp

} // namespace rc::listing
