#pragma once
// Small shared helpers of the start-up module and the file URL rule of this platform.

#include "common/program.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace sg {

// The command line as the address the first window opens: every double quote becomes a
// blank, then blanks are trimmed at both ends.
std::string pendingStartUrlFrom(std::string_view commandLine);

// "file://" + the absolute path with every " " written as "%20"; the letter case stays.
std::string fileUrl(std::string_view absolutePath);

// ProfileDir + "/Application Data/" + the program title.
std::filesystem::path userDataDirFor(const std::filesystem::path& profileDir);

} // namespace sg
