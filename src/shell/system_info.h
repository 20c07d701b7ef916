#pragma once

#include <span>
#include <string>

namespace rc::shell {

// Desktop programs that show the machine's hardware and system details, in order of preference.
std::span<const char* const> SystemInfoTools();

// The first of `tools` found as an executable file in one of the folders of `searchPath` (a
// colon-separated list as in PATH); empty when none is installed.
std::string FindSystemInfoTool(const std::string& searchPath, std::span<const char* const> tools);

} // namespace rc::shell
