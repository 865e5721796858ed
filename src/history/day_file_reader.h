#pragma once
// Reading the records of an open day file a chunk at a time, as the writer's address scan
// and the History window's search do.

#include "common/record_codec.h"
#include "history/history_record.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace sg {

// Closes the file descriptor it holds.
class FileHandle {
public:
    explicit FileHandle(int fd)
        : m_fd(fd)
    {
    }
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads up to out.size() bytes at offset; the number read (short only at the end of the
// file), nullopt on an error.
std::optional<std::size_t> readAt(int fd, std::uint64_t offset, std::span<std::uint8_t> out);

enum class RecordWalk { Finished, Stopped, Failed };

// Reads records into one buffer kept from file to file. The buffer starts on a page boundary
// like the file pages copied into it: with the two a few bytes apart in their pages, the copy
// runs several times slower (4K aliasing).
class DayFileChunks {
public:
    // Records read per pread: 128 KiB keeps the system calls few and the chunk in the cache.
    static constexpr std::size_t kChunkRecords = 256;

    DayFileChunks();

    // Records first to first + n - 1, n at most kChunkRecords. Bytes missing from a trailing
    // partial record are those of the blank record, as every reader of day files has them.
    std::optional<std::span<const std::uint8_t>> read(int fd, std::size_t first, std::size_t n);

    // Hands the first count records of the file to visit(record, index) in file order until
    // it returns false (Stopped). A set cancel, looked at before each chunk, stops the walk.
    template <typename Visit>
    RecordWalk walk(int fd, std::size_t count, const std::atomic<bool>* cancel, Visit&& visit)
    {
        for (std::size_t first = 0; first < count; first += kChunkRecords) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return RecordWalk::Stopped;
            const std::size_t n = std::min(kChunkRecords, count - first);
            const auto chunk = read(fd, first, n);
            if (!chunk)
                return RecordWalk::Failed;
            for (std::size_t i = 0; i < n; ++i) {
                if (!visit(chunk->data() + i * kHistoryRecordLength, first + i))
                    return RecordWalk::Stopped;
            }
        }
        return RecordWalk::Finished;
    }

private:
    std::uint8_t* buffer();

    Bytes m_storage;
    Bytes m_blank;
};

} // namespace sg
