// Times a text search of the History window over a year of day files (365 files of 1,000
// records, about 190 MB) against `LC_ALL=C grep -F -c` over the same files, both with the
// files in the page cache. Target: the search takes at most 1.5 times grep's time.

#include "history/history_periods.h"
#include "history/history_record.h"
#include "history/history_search.h"
#include "scratch_dir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace sg;

namespace {

constexpr int kDays = 365;
constexpr int kRecordsPerDay = 1000;
constexpr int kRuns = 7;
const LocalDateTime kToday { 2026, 12, 5, 23, 0, 0 };

const char* const kWords[] = { "weather", "radar", "loop", "forecast", "storm", "national",
    "center", "rain", "snow", "wind", "map", "current", "conditions", "regional", "doppler",
    "hurricane", "tropical", "outlook", "temperature", "cloud", "visible", "infrared", "water",
    "vapor", "daily", "hourly", "severe", "warning", "watch", "alert", "news", "local", "sports",
    "market", "quotes", "index", "home", "page", "update", "archive" };
// The searched word is in about 1 record in 50, in the title or in the address.
constexpr const char* kSearched = "satellite";

std::string pick(std::mt19937& rng, int count, const char* separator)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i)
            out += separator;
        out += kWords[rng() % std::size(kWords)];
    }
    return out;
}

void writeYear(const std::filesystem::path& dir)
{
    std::mt19937 rng(20261205);
    for (int day = 0; day < kDays; ++day) {
        const LocalDateTime date = addDays(kToday, -day);
        Bytes file;
        file.reserve(static_cast<std::size_t>(kRecordsPerDay) * kHistoryRecordLength);
        for (int i = 0; i < kRecordsPerDay; ++i) {
            HistoryRecord r;
            r.setVisitDateTime({ date.year, date.month, date.day, i / 60 % 24, i % 60, 7 });
            r.Hits = 1 + static_cast<int>(rng() % 4);
            r.Title = pick(rng, 3 + static_cast<int>(rng() % 6), " ");
            r.Title[0] = static_cast<char>(r.Title[0] - 'a' + 'A');
            const std::string host = "host" + std::to_string(rng() % 300) + ".example.com";
            r.Url = "http://www." + host + "/" + pick(rng, 2 + static_cast<int>(rng() % 4), "/")
                + "/" + std::to_string(rng() % 100000) + ".html";
            const auto roll = rng() % 100;
            if (roll == 0)
                r.Title += " Satellite Loop";
            else if (roll == 1)
                r.Url += "?view=" + std::string(kSearched);
            r.Host = historyHost(r.Url);
            const Bytes one = encodeHistoryRecord(r);
            file.insert(file.end(), one.begin(), one.end());
        }
        std::ofstream out(dayFilePath(dir, date), std::ios::binary | std::ios::trunc);
        out.write(
            reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
}

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Runs grep over every day file and sums the per-file counts it prints.
long grepOnce(const std::filesystem::path& dir, double& elapsed)
{
    const std::string command
        = "LC_ALL=C grep -F -c " + std::string(kSearched) + " '" + dir.string() + "'/SG_*.hiz";
    const auto start = std::chrono::steady_clock::now();
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    long total = 0;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        const char* colon = std::strrchr(line, ':');
        total += std::atol(colon ? colon + 1 : line);
    }
    ::pclose(pipe);
    elapsed = seconds(std::chrono::steady_clock::now() - start);
    return total;
}

std::size_t searchOnce(const std::filesystem::path& dir, double& elapsed)
{
    const auto start = std::chrono::steady_clock::now();
    const std::vector<DayFile> files = dayFilesInPeriod(dir, { 0, kDays - 1 }, kToday);
    SearchQuery query;
    query.sort = SortItem::BothTextSearch;
    query.text = "Satellite";
    query.dupes = true;
    const std::atomic<bool> cancel { false };
    const SearchOutcome outcome = searchDayFiles(files, query, cancel);
    elapsed = seconds(std::chrono::steady_clock::now() - start);
    if (outcome.status != SearchStatus::Complete || files.size() != kDays)
        return 0;
    return outcome.result.rows.size();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    const auto scratch = sgbench::makeScratchDir();
    if (!scratch)
        return 2;
    const std::filesystem::path dir = *scratch;
    writeYear(dir);
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        bytes += entry.file_size();

    // One untimed pass of each brings the files into the page cache.
    double ignored = 0;
    grepOnce(dir, ignored);
    searchOnce(dir, ignored);

    std::vector<double> grepTimes, searchTimes;
    long grepCount = 0;
    std::size_t rows = 0;
    for (int run = 0; run < kRuns; ++run) {
        double t = 0;
        grepCount = grepOnce(dir, t);
        grepTimes.push_back(t);
        rows = searchOnce(dir, t);
        searchTimes.push_back(t);
    }
    std::filesystem::remove_all(dir);

    const double grepTime = median(grepTimes);
    const double searchTime = median(searchTimes);
    const double ratio = searchTime / grepTime;
    const bool ok = ratio <= 1.5 && rows > 0 && grepCount >= 0;
    std::printf("history_search_bench: %d day files x %d records, %.1f MB, warm cache, median of "
                "%d runs\n",
        kDays, kRecordsPerDay, static_cast<double>(bytes) / 1e6, kRuns);
    std::printf("Both Text Search \"Satellite\": %8.1f ms  (%zu rows)\n", searchTime * 1e3, rows);
    std::printf("LC_ALL=C grep -F -c %s:  %8.1f ms  (%ld matching lines)\n", kSearched,
        grepTime * 1e3, grepCount);
    std::printf("ratio %.2f  target <= 1.5: %s\n", ratio, ok ? "yes" : "NO");
#ifndef __OPTIMIZE__
    std::printf("(an unoptimised build: configure with -DCMAKE_BUILD_TYPE=RelWithDebInfo for "
                "representative timings)\n");
#endif
    return ok ? 0 : 1;
}
