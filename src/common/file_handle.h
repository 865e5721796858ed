#pragma once
// The one handle on an open file: reads and writes at offsets (writes through the one
// full-write loop), closed when it goes out of scope.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace sg {

// The mode a new data file asks for; the umask takes its share, as for any file.
inline constexpr std::uint32_t kNewFileMode = 0666;

// What the file system says about an open file.
struct FileStatus {
    std::uint64_t size = 0;
    bool regular = false;
    bool directory = false;
    std::uint32_t mode = 0; // the permission bits
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0; // last change of the content
    std::int64_t changedNs = 0; // last change of the content or the attributes

    bool operator==(const FileStatus&) const = default;
};

class File {
public:
    enum class Mode {
        Read, // an existing file, for reading
        ReadWrite, // an existing file
        ReadWriteCreate, // made when missing
        CreateNew, // only a file that does not exist yet
    };

    File() = default;
    // Never blocks on a FIFO or a device in the file's place. isOpen() tells whether it
    // opened, error() why not.
    static File open(const std::filesystem::path& path, Mode mode);
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // The error number of the failed open.
    int error() const { return m_error; }

    std::optional<FileStatus> status() const;
    // Up to out.size() bytes at offset; the number read (short only at the end of the
    // file), nullopt on an error.
    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
    // All the bytes at offset, or false.
    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    bool truncate(std::uint64_t length);
    bool sync();
    bool setMode(std::uint32_t mode);
    // An exclusive advisory lock on the whole file, without waiting; false when another
    // open file holds one.
    bool tryLockExclusive();
    // Closes now; false when the system reports an error of the last writes.
    bool close();

private:
    explicit File(int fd, int error)
        : m_fd(fd)
        , m_error(error)
    {
    }
    int m_fd = -1;
    int m_error = 0;
};

} // namespace sg
