#pragma once
// Small shared helpers of the start-up module and the file URL rule of this platform.

#include "common/program.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace sg {

// The part before the first NUL character; the whole text when it holds none.
std::string StripAtNull(std::string_view text);

// n as decimal text padded with leading zeros to 5 digits; above 9999 unpadded.
std::string ZeroPad5(std::int16_t n);

// The command line as the address the first window opens: every double quote becomes a
// blank, then blanks are trimmed at both ends.
std::string pendingStartUrlFrom(std::string_view commandLine);

// "file://" + the absolute path with every " " written as "%20"; the letter case stays.
std::string fileUrl(std::string_view absolutePath);

// ProfileDir + "/Application Data/" + the program title.
std::filesystem::path userDataDirFor(const std::filesystem::path& profileDir);

} // namespace sg
