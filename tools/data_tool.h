#pragma once
// The command-line data tool: reads and changes the lists, the settings and the history
// of one data folder without the window.

#include "common/date_time.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace sg::tool {

// Runs one command line (without the program name). Prints one JSON document on out and
// returns 0 on success; a refusal or failure prints its message on err and returns 1; a
// usage error prints the usage line on err and returns 2. programRunsOn tells whether the
// program runs on a data folder.
int runDataTool(const std::vector<std::string>& args, const std::filesystem::path& defaultDataDir,
    std::ostream& out, std::ostream& err,
    std::function<bool(const std::filesystem::path&)> programRunsOn = {});

} // namespace sg::tool
