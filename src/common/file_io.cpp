#include "common/file_io.h"

#include "common/file_handle.h"
#include "common/temporary_names.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sg {
namespace {

std::int32_t statKind(const std::filesystem::path& path, bool wantDir)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return errno == 0 ? ENOENT : errno;
    const bool isDir = S_ISDIR(st.st_mode);
    return isDir == wantDir ? 0 : kWrongKind;
}

// The open regular file at path; nullopt with the error otherwise.
std::optional<File> openRegular(const std::filesystem::path& path, FileStatus& status, int* error)
{
    File file = File::open(path, File::Mode::Read);
    int failure = file.isOpen() ? 0 : file.error();
    if (failure == 0) {
        const auto st = file.status();
        if (!st)
            failure = errno;
        else if (!st->regular)
            failure = kNotAFile;
        else
            status = *st;
    }
    if (error)
        *error = failure;
    if (failure != 0)
        return std::nullopt;
    return file;
}

// Reads up to limit bytes from the start; more reports kFileTooLarge when tooLargeFails.
std::optional<Bytes> readUpTo(
    const std::filesystem::path& path, std::size_t limit, bool tooLargeFails, int* error)
{
    FileStatus status;
    auto file = openRegular(path, status, error);
    if (!file)
        return std::nullopt;
    if (tooLargeFails && status.size > limit) {
        if (error)
            *error = kFileTooLarge;
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew since its size was read.
    const std::size_t want = tooLargeFails && limit < SIZE_MAX ? limit + 1 : limit;
    Bytes data(static_cast<std::size_t>(std::min<std::uint64_t>(status.size, want)));
    std::size_t done = 0;
    while (true) {
        if (done == data.size() && data.size() < want)
            data.resize(std::min(want, data.size() + 4096));
        if (done == data.size())
            break;
        const auto n = file->readAt(done, { data.data() + done, data.size() - done });
        if (!n) {
            if (error)
                *error = errno;
            return std::nullopt;
        }
        if (*n == 0)
            break;
        done += *n;
    }
    data.resize(done);
    if (tooLargeFails && done > limit) {
        if (error)
            *error = kFileTooLarge;
        return std::nullopt;
    }
    return data;
}

// The file a write to path really changes: a linked file is replaced where it lives.
std::optional<std::filesystem::path> writeTarget(const std::filesystem::path& path)
{
    if (pathKind(path) != PathKind::Link)
        return path;
    return resolvedPath(path);
}

// A new hidden temporary file beside target, with target's permissions when it exists.
std::optional<std::pair<File, std::filesystem::path>> temporaryFileFor(
    const std::filesystem::path& target)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path temp = temporarySibling(target, "tmp");
        File file = File::open(temp, File::Mode::CreateNew);
        if (!file.isOpen()) {
            if (file.error() == EEXIST)
                continue;
            return std::nullopt;
        }
        if (const auto mode = pathMode(target); mode && !file.setMode(*mode)) {
            removeFile(temp);
            return std::nullopt;
        }
        return std::pair(std::move(file), std::move(temp));
    }
    return std::nullopt;
}

// Flushes and closes the temporary file and renames it over target; removes it on failure.
bool commitTemporary(File& file, const std::filesystem::path& temp,
    const std::filesystem::path& target, bool written)
{
    const bool ok = written && file.sync();
    if (!file.close() || !ok || !renamePath(temp, target)) {
        removeFile(temp);
        return false;
    }
    syncDirectory(target.parent_path());
    return true;
}

} // namespace

std::int32_t DirMissing(const std::filesystem::path& path)
{
    return statKind(path, true);
}

std::int32_t FileMissing(const std::filesystem::path& path)
{
    return statKind(path, false);
}

PathKind pathKind(const std::filesystem::path& path, bool followLinks)
{
    struct stat st { };
    const int rc = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (rc != 0)
        return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Unknown;
    if (S_ISREG(st.st_mode))
        return PathKind::File;
    if (S_ISDIR(st.st_mode))
        return PathKind::Directory;
    if (S_ISLNK(st.st_mode))
        return PathKind::Link;
    return PathKind::Other;
}

std::optional<Bytes> readWholeFile(
    const std::filesystem::path& path, std::size_t maxBytes, int* error)
{
    return readUpTo(path, maxBytes, true, error);
}

std::optional<Bytes> readFileStart(const std::filesystem::path& path, std::size_t count, int* error)
{
    return readUpTo(path, count, false, error);
}

std::string fileErrorText(int error)
{
    if (error == kNotAFile)
        return "not a regular file";
    if (error == kFileTooLarge)
        return "larger than its format can hold";
    return std::strerror(error);
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    const auto target = writeTarget(path);
    if (!target)
        return false;
    auto temp = temporaryFileFor(*target);
    if (!temp)
        return false;
    const bool written = temp->first.writeAt(0, bytes);
    return commitTemporary(temp->first, temp->second, *target, written);
}

bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to)
{
    FileStatus status;
    auto source = openRegular(from, status, nullptr);
    const auto target = writeTarget(to);
    if (!source || !target)
        return false;
    auto temp = temporaryFileFor(*target);
    if (!temp)
        return false;
    std::array<std::uint8_t, 65536> chunk;
    std::uint64_t offset = 0;
    bool written = true;
    while (written) {
        const auto n = source->readAt(offset, chunk);
        if (!n || *n == 0) {
            written = n.has_value();
            break;
        }
        written = temp->first.writeAt(offset, { chunk.data(), *n });
        offset += *n;
    }
    return commitTemporary(temp->first, temp->second, *target, written);
}

int createFileWith(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    File file = File::open(path, File::Mode::CreateNew);
    if (!file.isOpen())
        return file.error();
    const bool written = file.writeAt(0, bytes);
    const int writeError = written ? 0 : (errno != 0 ? errno : EIO);
    if (!file.close() || !written) {
        removeFile(path); // never leave a cut file that would then be kept
        return writeError != 0 ? writeError : EIO;
    }
    return 0;
}

bool removeFile(const std::filesystem::path& path)
{
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool makeDirectories(const std::filesystem::path& dir, bool* made)
{
    if (made)
        *made = false;
    if (dir.empty() || pathKind(dir, true) == PathKind::Directory)
        return !dir.empty();
    const auto parent = dir.parent_path();
    if (!parent.empty() && parent != dir && !makeDirectories(parent))
        return false;
    if (::mkdir(dir.c_str(), 0777) == 0) {
        if (made)
            *made = true;
        return true;
    }
    return errno == EEXIST && pathKind(dir, true) == PathKind::Directory;
}

bool removeEmptyDirectory(const std::filesystem::path& dir)
{
    return ::rmdir(dir.c_str()) == 0;
}

bool renamePath(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

int exchangePaths(const std::filesystem::path& a, const std::filesystem::path& b)
{
    if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0)
        return 0;
    return errno;
}

bool setPathMode(const std::filesystem::path& path, std::uint32_t mode)
{
    return ::chmod(path.c_str(), static_cast<mode_t>(mode)) == 0;
}

std::optional<std::uint32_t> pathMode(const std::filesystem::path& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return st.st_mode & 07777;
}

void syncDirectory(const std::filesystem::path& dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::optional<std::filesystem::path> resolvedPath(const std::filesystem::path& path)
{
    std::error_code ec;
    auto resolved = std::filesystem::weakly_canonical(path, ec);
    if (ec)
        return std::nullopt;
    return resolved;
}

} // namespace sg
