#pragma once
// The file part of the purge of old history: deletes day files outside the days to keep.

#include "common/date_time.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sg {

// Deletes every day file of historyDir (see parseDayFileName) dated before
// today + (1 - HistoryDaysToKeep) days or after today, when it is a plain file (not a
// directory or a link). Other files stay; errors skip the file, and a folder that cannot be
// listed whole loses nothing. Returns the deleted names, sorted. With 1 day only today's file
// stays; with 0 every day file goes.
std::vector<std::string> purgeDayFiles(const std::filesystem::path& historyDir,
    const LocalDateTime& today, std::int32_t HistoryDaysToKeep);

} // namespace sg
