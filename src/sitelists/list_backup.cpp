#include "sitelists/list_backup.h"

#include "common/file_io.h"
#include "sitelists/list_files.h"
#include "sitelists/sitelist_messages.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace sg {
namespace {

namespace fs = std::filesystem;
namespace msg = sitelist_messages;
using Result = ListResult<std::vector<std::string>>;

// An ordinary file of a file set: not hidden, not a directory or other special file.
bool isSetFile(const fs::directory_entry& entry)
{
    std::error_code ec;
    const std::string name = entry.path().filename().string();
    return !name.empty() && name.front() != '.' && entry.is_regular_file(ec);
}

// The names of the set files of a directory, sorted; nullopt when it cannot be listed
// (a missing directory lists as empty).
std::optional<std::vector<std::string>> setFileNames(const fs::path& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec)
        return ec == std::errc::no_such_file_or_directory ? std::optional(names) : std::nullopt;
    for (const auto& entry : it) {
        if (isSetFile(entry))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A new empty directory beside target, made like any other directory of the program.
std::optional<fs::path> makeSiblingDir(const fs::path& target, std::string_view tag)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        const fs::path dir = target.parent_path()
            / ("." + target.filename().string() + "." + std::string(tag) + "-" + suffix);
        if (::mkdir(dir.c_str(), 0777) == 0)
            return dir;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

void removeTree(const fs::path& dir)
{
    std::error_code ec;
    fs::remove_all(dir, ec);
}

void syncDirectory(const fs::path& dir)
{
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Moves what is in the old set's folder but not part of the set (sub-directories, hidden
// files) into the new one, so that replacing the folder keeps them. On failure the moved
// entries go back.
bool carryOverOthers(
    const fs::path& oldDir, const fs::path& newDir, std::vector<std::string>& moved)
{
    std::error_code ec;
    fs::directory_iterator it(oldDir, ec);
    if (ec)
        return false;
    std::vector<std::string> others;
    for (const auto& entry : it) {
        if (!isSetFile(entry))
            others.push_back(entry.path().filename().string());
    }
    for (const std::string& name : others) {
        const fs::path to = newDir / name;
        std::error_code exists;
        if (fs::symlink_status(to, exists).type() != fs::file_type::not_found
            || ::rename((oldDir / name).c_str(), to.c_str()) != 0)
            return false;
        moved.push_back(name);
    }
    return true;
}

void moveBack(const fs::path& from, const fs::path& to, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        ::rename((from / name).c_str(), (to / name).c_str());
}

// Puts the finished folder in the place of the old one. On return the path in fresh holds
// the old folder (or nothing when there was none).
bool swapIn(const fs::path& fresh, const fs::path& target, bool targetExists)
{
    if (!targetExists)
        return ::rename(fresh.c_str(), target.c_str()) == 0;
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // The file system cannot exchange: two renames, the old folder kept until the last.
    const auto aside = makeSiblingDir(target, "old");
    if (!aside || ::rmdir(aside->c_str()) != 0 || ::rename(target.c_str(), aside->c_str()) != 0)
        return false;
    if (::rename(fresh.c_str(), target.c_str()) != 0) {
        ::rename(aside->c_str(), target.c_str());
        return false;
    }
    if (::rename(aside->c_str(), fresh.c_str()) != 0)
        removeTree(*aside);
    return true;
}

} // namespace

ListResult<std::vector<std::string>> backUpSiteLists(const fs::path& userDataDir)
{
    const fs::path source = siteListsDir(userDataDir);
    fs::path target = userDataDir / kBackupDirName;
    const auto names = setFileNames(source);
    if (!names)
        return Result::notDone(ListStatus::Failed, msg::kBackUpError);
    if (names->empty())
        return Result::notDone(ListStatus::Refused, msg::kNothingToBackUp);

    // A linked back-up folder stays linked: the new set is built beside the real folder.
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        target = fs::canonical(target, ec);
        if (ec)
            return Result::notDone(ListStatus::Failed, msg::kBackUpError);
    }
    struct stat targetStat { };
    const bool targetExists = ::lstat(target.c_str(), &targetStat) == 0;
    if (!targetExists && errno != ENOENT)
        return Result::notDone(ListStatus::Failed, msg::kBackUpError);
    if (targetExists && !S_ISDIR(targetStat.st_mode))
        return Result::notDone(ListStatus::Failed, msg::kBackUpError);

    const auto fresh = makeSiblingDir(target, "new");
    if (!fresh)
        return Result::notDone(ListStatus::Failed, msg::kBackUpError);
    auto fail = [&](const std::vector<std::string>& moved) {
        if (targetExists)
            moveBack(*fresh, target, moved);
        removeTree(*fresh);
        return Result::notDone(ListStatus::Failed, msg::kBackUpError);
    };
    if (targetExists && ::chmod(fresh->c_str(), targetStat.st_mode & 07777) != 0)
        return fail({});
    for (const std::string& name : *names) {
        if (!copyFileAtomically(source / name, *fresh / name))
            return fail({});
    }
    std::vector<std::string> moved;
    if (targetExists && !carryOverOthers(target, *fresh, moved))
        return fail(moved);
    if (!swapIn(*fresh, target, targetExists))
        return fail(moved);
    removeTree(*fresh);
    syncDirectory(userDataDir);
    return Result::done(*names);
}

} // namespace sg
