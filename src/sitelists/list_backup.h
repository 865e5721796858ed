#pragma once
// The back-up set: a copy of every ordinary file of SiteLists in BU_SiteLists.

#include "sitelists/list_result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

inline constexpr std::string_view kBackupDirName = "BU_SiteLists";

// Replaces the back-up set with copies of the ordinary files of SiteLists (not hidden
// ones, not sub-directories); the new set is built beside the old one and takes its place
// only when complete, so a failure leaves the old set as it was. Anything else in
// BU_SiteLists stays. Refused with kNothingToBackUp when SiteLists holds no files.
// A folder that cannot be listed is an error and changes nothing. Holds the data folder's
// lock. Returns the names of the files copied, sorted. Recording the time is the caller's
// job.
ListResult<std::vector<std::string>> backUpSiteLists(const std::filesystem::path& userDataDir);

} // namespace sg
