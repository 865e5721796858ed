#include "history/history_periods.h"

#include "common/folder.h"
#include "history/history_record.h"

#include <algorithm>
#include <cstdio>

namespace sg {
namespace {

std::int64_t dayNumber(const LocalDateTime& t)
{
    return daysFromCivil(t.year, t.month, t.day);
}

// A run of 1 to 9 decimal digits as a number; nullopt for anything else.
std::optional<std::int64_t> wholeNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    std::int64_t n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

struct DatedFile {
    std::int64_t daysAgo;
    LocalDateTime date;
    std::string name;
};

// The day files among the names that are not dated after today, newest first.
std::vector<DatedFile> datedFiles(const std::vector<std::string>& names, const LocalDateTime& today)
{
    const std::int64_t todayNumber = dayNumber(today);
    std::vector<DatedFile> files;
    for (const auto& name : names) {
        const auto date = parseDayFileName(name);
        if (!date)
            continue;
        const std::int64_t daysAgo = todayNumber - dayNumber(*date);
        if (daysAgo >= 0)
            files.push_back({ daysAgo, *date, name });
    }
    std::sort(files.begin(), files.end(),
        [](const DatedFile& a, const DatedFile& b) { return a.daysAgo < b.daysAgo; });
    return files;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const DayRange& r)
{
    return out << "{" << r.newest << "-" << r.oldest << " days ago}";
}

std::string periodItemDate(const LocalDateTime& date)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", date.month, date.day, date.year);
    return buf;
}

std::vector<std::string> periodItems(const std::vector<std::string>& fileNames,
    std::int32_t HistoryDaysToKeep, const LocalDateTime& today)
{
    const std::vector<DatedFile> files = datedFiles(fileNames, today);
    std::vector<std::string> items;
    if (files.empty())
        return items;
    items.push_back("0-" + std::to_string(HistoryDaysToKeep) + " Days Ago");
    std::int64_t lastBlock = -1;
    for (const auto& f : files) {
        const std::int64_t block = f.daysAgo / 7;
        if (block == lastBlock)
            continue;
        lastBlock = block;
        items.push_back(
            std::to_string(7 * block) + "-" + std::to_string(7 * block + 6) + " Days Ago");
    }
    for (const auto& f : files) {
        items.push_back(std::to_string(f.daysAgo) + (f.daysAgo == 1 ? " Day" : " Days") + " Ago "
            + periodItemDate(f.date) + " <>");
    }
    return items;
}

std::vector<std::string> periodSelectorItems(const std::filesystem::path& historyDir,
    std::int32_t HistoryDaysToKeep, const LocalDateTime& today)
{
    if (HistoryDaysToKeep == 0)
        return {};
    return periodItems(historyFileNames(historyDir), HistoryDaysToKeep, today);
}

std::vector<std::string> historyFileNames(const std::filesystem::path& historyDir)
{
    std::vector<std::string> names;
    for (const FolderEntry& entry : listFolder(historyDir).entries) {
        const bool plainFile = entry.kind == PathKind::File
            || (entry.kind != PathKind::Directory
                && pathKind(historyDir / entry.name, true) == PathKind::File);
        if (plainFile)
            names.push_back(entry.name);
    }
    return names;
}

std::optional<DayRange> readPeriodItem(std::string_view item)
{
    if (item.find(" <>") != std::string_view::npos) {
        const auto n = wholeNumber(item.substr(0, item.find(" Day")));
        if (!n)
            return std::nullopt;
        return DayRange { *n, *n };
    }
    const std::size_t dash = item.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const std::size_t space = item.find(' ', dash + 1);
    const auto a = wholeNumber(item.substr(0, dash));
    const auto b = wholeNumber(item.substr(
        dash + 1, space == std::string_view::npos ? std::string_view::npos : space - dash - 1));
    if (!a || !b)
        return std::nullopt;
    return DayRange { *a, *b };
}

std::vector<DayFile> dayFilesInPeriod(
    const std::filesystem::path& historyDir, const DayRange& range, const LocalDateTime& today)
{
    std::vector<DatedFile> files = datedFiles(historyFileNames(historyDir), today);
    std::vector<DayFile> inPeriod;
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        if (it->daysAgo >= range.newest && it->daysAgo <= range.oldest)
            inPeriod.push_back({ it->date, historyDir / it->name });
    }
    return inPeriod;
}

} // namespace sg
