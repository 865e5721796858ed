#include "common/file_handle.h"

#include "common/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace sg {
namespace {

FileStatus statusOf(const struct stat& st)
{
    FileStatus s;
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.regular = S_ISREG(st.st_mode);
    s.directory = S_ISDIR(st.st_mode);
    s.mode = st.st_mode & 07777;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return s;
}

} // namespace

std::optional<FileStatus> pathStatus(const std::filesystem::path& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return statusOf(st);
}

File File::open(const std::filesystem::path& path, Mode mode)
{
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
    case Mode::Read:
        flags |= O_RDONLY;
        break;
    case Mode::ReadWrite:
        flags |= O_RDWR;
        break;
    case Mode::ReadWriteCreate:
        flags |= O_RDWR | O_CREAT;
        break;
    case Mode::CreateNew:
        flags |= O_RDWR | O_CREAT | O_EXCL;
        break;
    }
    const int fd = ::open(path.c_str(), flags, kNewFileMode);
    return File(fd, fd < 0 ? errno : 0);
}

File::~File()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

File::File(File&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_error(other.m_error)
{
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_error = other.m_error;
    }
    return *this;
}

std::optional<FileStatus> File::status() const
{
    struct stat st { };
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return std::nullopt;
    return statusOf(st);
}

std::optional<std::size_t> File::readAt(std::uint64_t offset, std::span<std::uint8_t> out) const
{
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(
            m_fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool File::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(
            m_fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool File::truncate(std::uint64_t length)
{
    return ::ftruncate(m_fd, static_cast<off_t>(length)) == 0;
}

bool File::sync()
{
    return ::fsync(m_fd) == 0;
}

bool File::setMode(std::uint32_t mode)
{
    return ::fchmod(m_fd, static_cast<mode_t>(mode)) == 0;
}

bool File::tryLockExclusive()
{
    while (true) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

bool File::close()
{
    if (m_fd < 0)
        return true;
    const int fd = std::exchange(m_fd, -1);
    return ::close(fd) == 0;
}

} // namespace sg
