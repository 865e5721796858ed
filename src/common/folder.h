#pragma once
// Folder walks that report their errors instead of throwing, and the folder operations
// built on them.

#include "common/file_io.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// One entry of a folder; kind is that of the entry itself (a link is a Link).
struct FolderEntry {
    std::string name;
    PathKind kind = PathKind::Unknown;
};

// The entries of a folder (not "." and ".."), in the order the system gives them. error is
// 0, or the error number of opening or reading the folder (ENOENT when it is missing); a
// listing with an error holds no entries.
struct FolderListing {
    std::vector<FolderEntry> entries;
    int error = 0;

    bool ok() const { return error == 0; }
};
FolderListing listFolder(const std::filesystem::path& dir);

// Deletes the folder and everything in it (links are removed, never followed). True when
// nothing is left of it, also when it did not exist.
bool removeTree(const std::filesystem::path& dir);

// A new empty hidden folder beside target (see temporary_names.h); nullopt on failure.
std::optional<std::filesystem::path> makeTemporarySiblingFolder(
    const std::filesystem::path& target, std::string_view tag);

// Cleans up after writes that were killed half way, in one folder: temporary files and
// folders being built are removed; a folder moved aside whose place is empty is put back
// (it holds the only copy), one whose place is taken is removed. Other entries stay.
// False when the folder cannot be read.
bool removeLeftoverTemporaries(const std::filesystem::path& dir);

} // namespace sg
