#pragma once

// The fixed texts of the editor's own windows.
namespace rc::shell {

inline constexpr const char* kMainCaption = "Halden R8 32 Bit Editor Program";
inline constexpr const char* kVersionText = "Version 1.10    April 2, 2002";
inline constexpr const char* kShowTipCaption = "Show Tip at Startup";
inline constexpr const char* kSystemInfoCaption = "System Info";
inline constexpr const char* kSystemInfoUnavailable = "System Information Is Unavailable At This Time";
inline constexpr const char* kModIndicator = "Mod";

inline constexpr const char* kTipHeading = "There are two ways to begin editing a HaldenR8 File.";
inline constexpr const char* kTipText =
    "1. Click on menu item FILE then OPEN and select a file.  For example \"Default.hr8\".\n\n"
    "2. Download with the HaldenLink32 communications program, the values "
    "from your Halden R8 controller.  After download, "
    "click on menu item FILE then OPEN and select the file you downloaded.";

} // namespace rc::shell
