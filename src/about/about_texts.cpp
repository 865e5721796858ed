#include "about/about_texts.h"

#include "common/program_version.h"

namespace sg {

std::string versionLabel(int major, int minor, int patch)
{
    return "Vs." + std::to_string(major) + "." + std::to_string(minor) + "."
        + std::to_string(patch);
}

std::string programVersionLabel()
{
    return versionLabel(kVersionMajor, kVersionMinor, kVersionPatch);
}

} // namespace sg
