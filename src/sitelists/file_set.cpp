#include "sitelists/file_set.h"

#include "common/file_io.h"

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

bool isSetFile(const fs::directory_entry& entry)
{
    std::error_code ec;
    const std::string name = entry.path().filename().string();
    return !name.empty() && name.front() != '.' && entry.is_regular_file(ec);
}

bool pathExists(const fs::path& path)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0;
}

// A new empty hidden folder beside target.
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

void syncDirectory(const fs::path& dir)
{
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Moves the entries of from that are not set files into to; on failure those moved so far
// go back.
bool carryOverOthers(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(from, ec)) {
        if (!isSetFile(entry))
            others.push_back(entry.path().filename().string());
    }
    if (ec)
        return false;
    std::vector<std::string> moved;
    for (const std::string& name : others) {
        if (pathExists(to / name) || ::rename((from / name).c_str(), (to / name).c_str()) != 0) {
            for (const std::string& back : moved)
                ::rename((to / back).c_str(), (from / back).c_str());
            return false;
        }
        moved.push_back(name);
    }
    return true;
}

// Puts fresh in the place of target; afterwards fresh holds the old folder.
bool swapIn(const fs::path& fresh, const fs::path& target)
{
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // No exchange on this file system: two renames, the old folder kept until the last.
    const auto aside = makeSiblingDir(target, "old");
    if (!aside || ::rmdir(aside->c_str()) != 0 || ::rename(target.c_str(), aside->c_str()) != 0)
        return false;
    if (::rename(fresh.c_str(), target.c_str()) != 0) {
        ::rename(aside->c_str(), target.c_str());
        return false;
    }
    return ::rename(aside->c_str(), fresh.c_str()) == 0 || (fs::remove_all(*aside), true);
}

} // namespace

std::optional<std::vector<std::string>> fileSetNames(const fs::path& dir)
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

bool replaceFileSet(const fs::path& source, const fs::path& target)
{
    const auto names = fileSetNames(source);
    return names && replaceFileSet(source, target, *names);
}

bool replaceFileSet(
    const fs::path& source, const fs::path& givenTarget, const std::vector<std::string>& names)
{
    std::error_code ec;
    // A linked folder stays linked: the new set is built beside the real folder.
    fs::path target = givenTarget;
    if (fs::is_symlink(fs::symlink_status(givenTarget, ec))) {
        target = fs::canonical(givenTarget, ec);
        if (ec)
            return false;
    }
    struct stat targetStat { };
    const bool targetExists = ::lstat(target.c_str(), &targetStat) == 0;
    if ((!targetExists && errno != ENOENT) || (targetExists && !S_ISDIR(targetStat.st_mode)))
        return false;

    const auto fresh = makeSiblingDir(target, "new");
    if (!fresh)
        return false;
    bool ok = !targetExists || ::chmod(fresh->c_str(), targetStat.st_mode & 07777) == 0;
    for (std::size_t i = 0; ok && i < names.size(); ++i)
        ok = copyFileAtomically(source / names[i], *fresh / names[i]);
    if (ok && targetExists) {
        ok = carryOverOthers(target, *fresh);
        if (ok && !swapIn(*fresh, target)) {
            carryOverOthers(*fresh, target);
            ok = false;
        }
    } else if (ok) {
        ok = ::rename(fresh->c_str(), target.c_str()) == 0;
    }
    fs::remove_all(*fresh, ec);
    syncDirectory(target.parent_path());
    return ok;
}

bool removeFolderAndFiles(const fs::path& dir)
{
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (entry.symlink_status(ec).type() != fs::file_type::directory)
            files.push_back(entry.path());
    }
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        fs::remove(*it, ec);
    fs::remove(dir, ec);
    return !pathExists(dir);
}

} // namespace sg
