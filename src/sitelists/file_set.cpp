#include "sitelists/file_set.h"

#include "common/file_io.h"
#include "common/folder.h"

#include <algorithm>
#include <cerrno>

namespace sg {
namespace {

namespace fs = std::filesystem;

// Not hidden, and a regular file or a link to one.
bool isSetFile(const fs::path& dir, const FolderEntry& entry)
{
    if (entry.name.empty() || entry.name.front() == '.')
        return false;
    if (entry.kind == PathKind::File)
        return true;
    return entry.kind == PathKind::Link && pathKind(dir / entry.name, true) == PathKind::File;
}

// Moves the entries of from that are not set files into to; on failure those moved so far
// go back. A folder that cannot be listed moves nothing.
bool carryOverOthers(const fs::path& from, const fs::path& to)
{
    const FolderListing listing = listFolder(from);
    if (!listing.ok())
        return false;
    std::vector<std::string> moved;
    for (const FolderEntry& entry : listing.entries) {
        if (isSetFile(from, entry))
            continue;
        const std::string& name = entry.name;
        if (pathKind(to / name) != PathKind::Missing || !renamePath(from / name, to / name)) {
            for (const std::string& back : moved)
                renamePath(to / back, from / back);
            return false;
        }
        moved.push_back(name);
    }
    return true;
}

// Puts fresh in the place of target; afterwards fresh holds the old folder.
bool swapIn(const fs::path& fresh, const fs::path& target)
{
    const int exchanged = exchangePaths(fresh, target);
    if (exchanged == 0)
        return true;
    if (exchanged != EINVAL && exchanged != ENOSYS)
        return false;
    // No exchange on this file system: two renames, the old folder kept until the last.
    const auto aside = makeTemporarySiblingFolder(target, "old");
    if (!aside || !removeEmptyDirectory(*aside) || !renamePath(target, *aside))
        return false;
    if (!renamePath(fresh, target)) {
        renamePath(*aside, target);
        return false;
    }
    return renamePath(*aside, fresh) || (removeTree(*aside), true);
}

} // namespace

std::optional<std::vector<std::string>> fileSetNames(const fs::path& dir)
{
    const FolderListing listing = listFolder(dir);
    if (!listing.ok())
        return listing.error == ENOENT ? std::optional(std::vector<std::string> {}) : std::nullopt;
    std::vector<std::string> names;
    for (const FolderEntry& entry : listing.entries) {
        if (isSetFile(dir, entry))
            names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool replaceFileSet(const fs::path& source, const fs::path& target)
{
    const auto names = fileSetNames(source);
    return names && replaceFileSet(source, target, *names);
}

bool replaceFileSet(
    const fs::path& source, const fs::path& givenTarget, const std::vector<std::string>& names)
{
    // A linked folder stays linked: the new set is built beside the real folder.
    fs::path target = givenTarget;
    if (pathKind(givenTarget) == PathKind::Link) {
        const auto resolved = resolvedPath(givenTarget);
        if (!resolved)
            return false;
        target = *resolved;
    }
    const PathKind kind = pathKind(target);
    const bool targetExists = kind == PathKind::Directory;
    if (kind != PathKind::Missing && !targetExists)
        return false;

    const auto fresh = makeTemporarySiblingFolder(target, "new");
    if (!fresh)
        return false;
    bool ok = true;
    if (targetExists) {
        const auto mode = pathMode(target);
        ok = mode && setPathMode(*fresh, *mode);
    }
    for (std::size_t i = 0; ok && i < names.size(); ++i)
        ok = copyFileAtomically(source / names[i], *fresh / names[i]);
    if (ok && targetExists) {
        ok = carryOverOthers(target, *fresh);
        if (ok && !swapIn(*fresh, target)) {
            carryOverOthers(*fresh, target);
            ok = false;
        }
    } else if (ok) {
        ok = renamePath(*fresh, target);
    }
    removeTree(*fresh);
    syncDirectory(target.parent_path());
    return ok;
}

bool removeFolderAndFiles(const fs::path& dir)
{
    // Nothing is deleted from a folder that cannot be listed whole.
    const FolderListing listing = listFolder(dir);
    std::vector<std::string> files;
    for (const FolderEntry& entry : listing.entries) {
        if (entry.kind != PathKind::Directory)
            files.push_back(entry.name);
    }
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        removeFile(dir / *it);
    removeEmptyDirectory(dir);
    return pathKind(dir) == PathKind::Missing;
}

} // namespace sg
