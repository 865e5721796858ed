// Feeds arbitrary bytes to the day-file reader, and to the history writer as an existing
// day file that it scans for an address and then appends to or counts a visit in.

#include "history/history_record.h"
#include "history/history_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <string>

namespace {

// A History directory that lives for one input.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "sg2fuzz-history-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    for (const auto& record : sg::decodeDayFile(bytes))
        (void)sg::FormatHistoryDate(record.visitDateTime(), true);

    const ScratchDir dir;
    const sg::LocalDateTime day { 2026, 12, 5, 14, 8, 35 };
    const auto path = sg::dayFilePath(dir.path(), day);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto records = sg::readDayFile(path);
    if (!records || records->size() != sg::recordCount(size, sg::kHistoryRecordLength))
        std::abort();

    // The address is one the file may hold: the Url field of its first record, or the
    // input's first bytes.
    std::string url = size >= 320 ? std::string(reinterpret_cast<const char*>(data) + 128, 192)
                                  : std::string(reinterpret_cast<const char*>(data), size);
    url = sg::trimBlanks(url);
    sg::FixedClock clock(day);
    sg::HistoryWriter writer(dir.path(), clock);
    const bool storeDuplicates = size > 0 && (data[0] & 1);
    writer.AddHistoryEntry({ 7, storeDuplicates }, nullptr, "Fuzz", url);
    writer.AddHistoryEntry({ 7, false }, nullptr, "", "http://www.example.com/");
    const auto after = sg::readDayFile(path);
    if (!after || after->size() < records->size() || after->size() > records->size() + 2)
        std::abort();
    return 0;
}
