#include "startup/startup_helpers.h"

#include "common/record_codec.h"

#include <algorithm>

namespace sg {

std::string pendingStartUrlFrom(std::string_view commandLine)
{
    std::string text(commandLine);
    std::replace(text.begin(), text.end(), '"', ' ');
    return trimBlanks(text);
}

std::string fileUrl(std::string_view absolutePath)
{
    std::string url = "file://";
    for (const char c : absolutePath) {
        if (c == ' ')
            url += "%20";
        else
            url += c;
    }
    return url;
}

std::filesystem::path userDataDirFor(const std::filesystem::path& profileDir)
{
    return profileDir / "Application Data" / std::string(kProgramTitle);
}

} // namespace sg
