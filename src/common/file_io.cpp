#include "common/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
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

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncDirectory(const std::filesystem::path& dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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

std::optional<Bytes> readWholeFile(const std::filesystem::path& path)
{
    // Non-blocking, so that a FIFO in the file's place cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    Bytes data(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (true) {
        if (done == data.size())
            data.resize(data.size() + 4096); // the file may have grown since fstat
        const ssize_t n = ::read(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(done);
    return data;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    // A linked file (lists kept in a synced folder) is replaced where it really lives, so
    // the link stays; the file keeps its permissions.
    std::filesystem::path target = path;
    struct stat link { };
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        std::error_code ec;
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec)
            return false;
    }
    struct stat old { };
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    // A hidden name: a temporary file left by a crash is never taken for a list file.
    std::string temp
        = (target.parent_path() / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncDirectory(target.parent_path());
    return true;
}

bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const auto data = readWholeFile(from);
    return data && writeFileAtomically(to, *data);
}

} // namespace sg
