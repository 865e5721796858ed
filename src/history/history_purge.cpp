#include "history/history_purge.h"

#include "common/folder.h"
#include "history/history_record.h"

#include <algorithm>

namespace sg {

std::vector<std::string> purgeDayFiles(const std::filesystem::path& historyDir,
    const LocalDateTime& today, std::int32_t HistoryDaysToKeep)
{
    const std::int64_t todayDays = daysFromCivil(today.year, today.month, today.day);
    const std::int64_t cutOff = todayDays + 1 - static_cast<std::int64_t>(HistoryDaysToKeep);

    std::vector<std::string> deleted;
    for (const FolderEntry& entry : listFolder(historyDir).entries) {
        const auto date = parseDayFileName(entry.name);
        if (!date || entry.kind != PathKind::File)
            continue;
        const std::int64_t days = daysFromCivil(date->year, date->month, date->day);
        if (days >= cutOff && days <= todayDays)
            continue;
        if (removeFile(historyDir / entry.name))
            deleted.push_back(entry.name);
    }
    std::sort(deleted.begin(), deleted.end());
    return deleted;
}

} // namespace sg
