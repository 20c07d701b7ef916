#include "shell/menu_tree.h"

namespace rc::shell {

namespace {

constexpr MenuKind M = MenuKind::Menu;
constexpr MenuKind C = MenuKind::Command;
constexpr MenuKind S = MenuKind::Separator;

// The recent-file items have no caption of their own: it is set from the list when shown.
constexpr MenuItem kTree[] = {
    {"mnuFile", "&File", "", M, 0, false},
    {"mnuOpen", "&Open...", "mnuFile", C, 0, false},
    {"mnuSep0", "-", "mnuFile", S, 0, false},
    {"mnuSave", "&Save File", "mnuFile", C, 0, true},
    {"mnuSaveAs", "Save File &As...", "mnuFile", C, 0, true},
    {"mnuCompare", "Co&mpare With...", "mnuFile", C, 0, true},
    {"mnuHistory", "&History...", "mnuFile", C, 0, true},
    {"mnuSep1", "-", "mnuFile", S, 0, false},
    {"mnuStats", "&Repeater Stats", "mnuFile", C, 104, true},
    {"mnuSep2", "-", "mnuFile", S, 0, false},
    {"mnuPrtFont", "Pr&inter Font...", "mnuFile", C, 0, false},
    {"mnuPrint", "&Print...", "mnuFile", C, 106, true},
    {"mnuSep3", "-", "mnuFile", S, 0, false},
    {"mnuFileList_0", "", "mnuFile", C, 0, false},
    {"mnuFileList_1", "", "mnuFile", C, 0, false},
    {"mnuFileList_2", "", "mnuFile", C, 0, false},
    {"mnuFileList_3", "", "mnuFile", C, 0, false},
    {"mnuSep4", "-", "mnuFile", S, 0, false},
    {"mnuExit", "E&xit", "mnuFile", C, 0, false},

    {"mnuCodesTimers", "&Codes/Timers", "", M, 0, true},
    {"mnuCodes", "&Codes...", "mnuCodesTimers", M, 0, false},
    {"mnuCodes_0", "Base Codes...", "mnuCodes", C, 200, false},
    {"mnuSepCodes", "-", "mnuCodes", S, 0, false},
    {"mnuCodes_1", "   Mem #1 Codes...", "mnuCodes", C, 201, false},
    {"mnuCodes_2", "   Mem #2 Codes...", "mnuCodes", C, 201, false},
    {"mnuCodes_3", "   Mem #3 Codes...", "mnuCodes", C, 201, false},
    {"mnuCodes_4", "   Mem #4 Codes...", "mnuCodes", C, 201, false},
    {"mnuSep5", "-", "mnuCodesTimers", S, 0, false},
    {"mnuTimers", "&Timers", "mnuCodesTimers", M, 0, false},
    {"mnuTimers_0", "Base Timers...", "mnuTimers", C, 300, false},
    {"mnuSepTimers", "-", "mnuTimers", S, 0, false},
    {"mnuTimers_1", "   Mem #1 Timers...", "mnuTimers", C, 301, false},
    {"mnuTimers_2", "   Mem #2 Timers...", "mnuTimers", C, 301, false},
    {"mnuTimers_3", "   Mem #3 Timers...", "mnuTimers", C, 301, false},
    {"mnuTimers_4", "   Mem #4 Timers...", "mnuTimers", C, 301, false},
    {"mnuSep6", "-", "mnuCodesTimers", S, 0, false},
    {"mnuUnlock", "&Unlock Number...", "mnuCodesTimers", C, 302, true},

    {"mnuVoice", "&Messages", "", M, 0, true},
    {"mnuVocSyn", "&Voice Synthesizer...", "mnuVoice", M, 0, false},
    {"mnuVocBase", "Voice Base Messages...", "mnuVocSyn", C, 400, false},
    {"mnuSepVoice", "-", "mnuVocSyn", S, 0, false},
    {"mnuMes_1", "   Voice Mem #1 Messages...", "mnuVocSyn", C, 401, false},
    {"mnuMes_2", "   Voice Mem #2 Messages...", "mnuVocSyn", C, 401, false},
    {"mnuMes_3", "   Voice Mem #3 Messages...", "mnuVocSyn", C, 401, false},
    {"mnuMes_4", "   Voice Mem #4 Messages...", "mnuVocSyn", C, 401, false},
    {"mnuSep7", "-", "mnuVoice", S, 0, false},
    {"mnuCW_1", "&CW Message...", "mnuVoice", C, 402, false},

    {"mnuMacSched", "Macro &Op's", "", M, 0, true},
    {"mnuMacros", "&Macros...", "mnuMacSched", C, 500, false},
    {"mnuSched", "&Scheduler...", "mnuMacSched", C, 501, false},
    {"mnuUsers", "&User Inputs...", "mnuMacSched", C, 502, false},

    {"mnuZones", "&Zones", "", M, 0, true},
    {"mnuBaseZones", "&Base Zones", "mnuZones", C, 700, false},
    {"mnuSepZones", "-", "mnuZones", S, 0, false},
    {"mnuG1M1", "Memory #&1 Zones...", "mnuZones", C, 701, false},
    {"mnuG1M2", "Memory #&2 Zones...", "mnuZones", C, 701, false},
    {"mnuG1M3", "Memory #&3 Zones...", "mnuZones", C, 701, false},
    {"mnuG1M4", "Memory #&4 Zones...", "mnuZones", C, 701, false},

    {"mnuAP", "&Autopatch", "", M, 0, true},
    {"mnuUSD", "&User Speed Dial...", "mnuAP", C, 800, false},
    {"mnuESD", "&Emergency Speed Dial...", "mnuAP", C, 801, false},
    {"mnuPreDial", "&Pre-Dial Number", "mnuAP", C, 803, false},
    {"mnuACode", "&Area Code Numbers...", "mnuAP", C, 804, false},
    {"mnuLockout", "&Telephone Lockout Numbers", "mnuAP", C, 802, false},

    {"mnuTools", "M&isc", "", M, 0, true},
    {"mnuCourtesy", "&Courtesy Tones...", "mnuTools", C, 900, false},
    {"mnuDVR", "&Expanded Switches...", "mnuTools", C, 902, false},
    {"mnuSep8", "-", "mnuTools", S, 0, false},
    {"mnuMemory", "&Memory Configuration", "mnuTools", C, 906, false},
    {"mnuFlush", "&Flush Memory...", "mnuTools", C, 105, true},
    {"mnuSep9", "-", "mnuTools", S, 0, false},
    {"mnuConfig", "&Repeater Configuration...", "mnuTools", C, 907, true},

    {"mnuHelp", "&Help", "", M, 0, false},
    {"mnuHelpContents", "&Contents", "mnuHelp", C, 0, false},
    {"mnuHelpSearch", "&Search For Help On...", "mnuHelp", C, 0, false},
    {"mnuSep10", "-", "mnuHelp", S, 0, false},
    {"mnuWeb", "Halden Controls on the &Web - www.halden-controls.example", "mnuHelp", C, 0, false},
    {"mnuSep11", "-", "mnuHelp", S, 0, false},
    {"mnuAbout", "&About", "mnuHelp", C, 1002, false},
};

} // namespace

std::span<const MenuItem> MenuTree() {
    return kTree;
}

const MenuItem* FindMenuItem(const std::string& name) {
    for (const MenuItem& item : kTree)
        if (name == item.name)
            return &item;
    return nullptr;
}

} // namespace rc::shell
