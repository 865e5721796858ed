#pragma once
// A file set: the ordinary files of a folder (not hidden ones, not sub-directories). A set
// is replaced whole: the new folder is built beside the old and swapped in, so that at every
// moment the folder holds either its old set or the new one.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sg {

// The names of the folder's set files, sorted; empty when the folder is missing; nullopt
// when it cannot be listed.
std::optional<std::vector<std::string>> fileSetNames(const std::filesystem::path& dir);

// Makes the set of target an exact copy of the set of source (a missing source is an empty
// set): its files not in source go, its other entries (sub-directories, hidden files) stay.
// Creates target when missing. False on failure; target is then as it was.
bool replaceFileSet(const std::filesystem::path& source, const std::filesystem::path& target);
// The same with the named files of source, as fileSetNames listed them.
bool replaceFileSet(const std::filesystem::path& source, const std::filesystem::path& target,
    const std::vector<std::string>& names);

// Deletes every file of the folder, then the folder, ignoring errors. True when the folder
// no longer exists afterwards.
bool removeFolderAndFiles(const std::filesystem::path& dir);

} // namespace sg
