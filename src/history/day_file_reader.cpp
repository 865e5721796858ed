#include "history/day_file_reader.h"

#include <cerrno>
#include <unistd.h>

namespace sg {
namespace {

constexpr std::size_t kPageSize = 4096;

} // namespace

FileHandle::~FileHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<std::size_t> readAt(int fd, std::uint64_t offset, std::span<std::uint8_t> out)
{
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n
            = ::pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
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
    int fd, std::size_t first, std::size_t n)
{
    std::uint8_t* const chunk = buffer();
    const std::size_t length = n * kHistoryRecordLength;
    const auto got = readAt(fd, first * kHistoryRecordLength, { chunk, length });
    if (!got)
        return std::nullopt;
    for (std::size_t i = *got; i < length; ++i)
        chunk[i] = m_blank[i % kHistoryRecordLength];
    return std::span<const std::uint8_t>(chunk, length);
}

} // namespace sg
