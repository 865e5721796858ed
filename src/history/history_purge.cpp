#include "history/history_purge.h"

#include "history/history_record.h"

#include <algorithm>
#include <system_error>

namespace sg {

std::vector<std::string> purgeDayFiles(const std::filesystem::path& historyDir,
    const LocalDateTime& today, std::int32_t HistoryDaysToKeep)
{
    namespace fs = std::filesystem;
    const std::int64_t todayDays = daysFromCivil(today.year, today.month, today.day);
    const std::int64_t cutOff = todayDays + 1 - static_cast<std::int64_t>(HistoryDaysToKeep);

    std::vector<std::string> deleted;
    std::error_code ec;
    fs::directory_iterator it(historyDir, ec);
    if (ec)
        return deleted;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        const std::string name = it->path().filename().string();
        const auto date = parseDayFileName(name);
        if (!date)
            continue;
        const std::int64_t days = daysFromCivil(date->year, date->month, date->day);
        if (days >= cutOff && days <= todayDays)
            continue;
        std::error_code kindError;
        if (!fs::is_regular_file(fs::symlink_status(it->path(), kindError)))
            continue;
        std::error_code removeError;
        if (fs::remove(it->path(), removeError))
            deleted.push_back(name);
    }
    std::sort(deleted.begin(), deleted.end());
    return deleted;
}

} // namespace sg
