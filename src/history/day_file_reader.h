#pragma once
// Reading the records of an open day file a chunk at a time, as the writer's address index,
// the History window's search and every whole reading of a day file do.

#include "common/file_handle.h"
#include "common/record_codec.h"
#include "history/history_record.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <utility>

namespace sg {

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
    std::optional<std::span<const std::uint8_t>> read(
        const File& file, std::size_t first, std::size_t n);

    // Hands the first count records of the file to visit(record, index) in file order until
    // it returns false (Stopped). A set cancel, looked at before each chunk, stops the walk.
    template <typename Visit>
    RecordWalk walk(
        const File& file, std::size_t count, const std::atomic<bool>* cancel, Visit&& visit)
    {
        return walkFrom(file, 0, count, cancel, std::forward<Visit>(visit));
    }

    // The same from record start on, reading nothing before it.
    template <typename Visit>
    RecordWalk walkFrom(const File& file, std::size_t start, std::size_t count,
        const std::atomic<bool>* cancel, Visit&& visit)
    {
        for (std::size_t first = start; first < count; first += kChunkRecords) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return RecordWalk::Stopped;
            const std::size_t n = std::min(kChunkRecords, count - first);
            const auto chunk = read(file, first, n);
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

// Hands each record of a day file, decoded, to visit in file order, a chunk at a time, so
// that a file of any size takes little memory. False when the file cannot be read or is not
// a regular file (error then holds why, see file_io.h); records visited before a read error
// stay visited.
bool readDayRecords(const std::filesystem::path& path,
    const std::function<void(const HistoryRecord&)>& visit, int* error = nullptr);

} // namespace sg
