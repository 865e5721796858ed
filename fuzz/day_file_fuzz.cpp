// Feeds arbitrary bytes to the day-file reader, and to the history writer as an existing
// day file that it scans for an address and then appends to or counts a visit in.

#include "common/file_io.h"
#include "fuzz_support.h"
#include "history/history_record.h"
#include "history/history_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    for (const auto& record : sg::decodeDayFile(bytes))
        (void)sg::FormatHistoryDate(record.visitDateTime(), true);

    // The History folder inside the scratch folder, which takes the data folder's lock file.
    const sgfuzz::ScratchDir dir("history");
    const auto historyDir = dir.path() / "History";
    sg::makeDirectories(historyDir);
    const sg::LocalDateTime day { 2026, 12, 5, 14, 8, 35 };
    const auto path = sg::dayFilePath(historyDir, day);
    sgfuzz::writeInput(path, data, size);
    const auto records = sg::readDayFile(path);
    if (!records || records->size() != sg::recordCount(size, sg::kHistoryRecordLength))
        std::abort();

    // The address is one the file may hold: the Url field of its first record, or the
    // input's first bytes.
    std::string url = size >= 320 ? std::string(reinterpret_cast<const char*>(data) + 128, 192)
                                  : std::string(reinterpret_cast<const char*>(data), size);
    url = sg::trimBlanks(url);
    sg::FixedClock clock(day);
    sg::HistoryWriter writer(historyDir, clock);
    const bool storeDuplicates = size > 0 && (data[0] & 1);
    writer.AddHistoryEntry({ 7, storeDuplicates }, nullptr, "Fuzz", url);
    writer.AddHistoryEntry({ 7, false }, nullptr, "", "http://www.example.com/");
    const auto after = sg::readDayFile(path);
    if (!after || after->size() < records->size() || after->size() > records->size() + 2)
        std::abort();
    return 0;
}
