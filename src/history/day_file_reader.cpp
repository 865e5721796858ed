#include "history/day_file_reader.h"

#include "common/file_io.h"

#include <cerrno>

namespace sg {
namespace {

constexpr std::size_t kPageSize = 4096;

} // namespace

DayFileChunks::DayFileChunks()
    : m_storage(kChunkRecords * kHistoryRecordLength + kPageSize)
    , m_blank(blankHistoryRecord())
{
}

std::uint8_t* DayFileChunks::buffer()
{
    const auto address = reinterpret_cast<std::uintptr_t>(m_storage.data());
    return m_storage.data() + (kPageSize - address % kPageSize) % kPageSize;
}

std::optional<std::span<const std::uint8_t>> DayFileChunks::read(
    const File& file, std::size_t first, std::size_t n)
{
    std::uint8_t* const chunk = buffer();
    const std::size_t length = n * kHistoryRecordLength;
    const auto got = file.readAt(first * kHistoryRecordLength, { chunk, length });
    if (!got)
        return std::nullopt;
    for (std::size_t i = *got; i < length; ++i)
        chunk[i] = m_blank[i % kHistoryRecordLength];
    return std::span<const std::uint8_t>(chunk, length);
}

bool readDayRecords(const std::filesystem::path& path,
    const std::function<void(const HistoryRecord&)>& visit, int* error)
{
    const File file = File::open(path, File::Mode::Read);
    int failure = file.isOpen() ? 0 : file.error();
    const auto status = failure == 0 ? file.status() : std::nullopt;
    if (failure == 0 && !status)
        failure = errno;
    else if (status && !status->regular)
        failure = kNotAFile;
    if (failure == 0) {
        DayFileChunks chunks;
        const auto walk = chunks.walk(file, recordCount(status->size, kHistoryRecordLength),
            nullptr, [&](const std::uint8_t* record, std::size_t) {
                visit(decodeHistoryRecord({ record, kHistoryRecordLength }));
                return true;
            });
        if (walk != RecordWalk::Finished)
            failure = errno != 0 ? errno : EIO;
    }
    if (error)
        *error = failure;
    return failure == 0;
}

std::optional<std::vector<HistoryRecord>> readDayFile(const std::filesystem::path& path)
{
    std::vector<HistoryRecord> records;
    if (!readDayRecords(path, [&](const HistoryRecord& r) { records.push_back(r); }))
        return std::nullopt;
    return records;
}

} // namespace sg
