#include "history/history_record.h"

#include "common/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace sg {
namespace {

// Lower case of one Windows-1252 byte: ASCII, the Latin-1 capitals and Š Œ Ž Ÿ.
char lowerCp1252(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 0x20);
    switch (b) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<char>(b + 0x10);
    case 0x9F:
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

std::string hostAfter(const std::string& lower, std::size_t start)
{
    const std::size_t slash = lower.find('/', start);
    return lower.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
}

bool allDigits(std::string_view s)
{
    for (const char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const HistoryRecord& r)
{
    return out << "{VisitTime " << r.VisitTime << " (" << formatIso(r.visitDateTime()) << "), Hits "
               << r.Hits << ", Title \"" << r.Title << "\", Url \"" << r.Url << "\", Host \""
               << r.Host << "\"}";
}

Bytes blankHistoryRecord()
{
    Bytes blank(kHistoryRecordLength, ' ');
    std::fill(blank.begin(), blank.begin() + kTitleOffset, 0);
    return blank;
}

Bytes encodeHistoryRecord(const HistoryRecord& record)
{
    Bytes bytes = blankHistoryRecord();
    RecordWriter w(bytes);
    w.f64(kVisitTimeOffset, record.VisitTime);
    w.i32(kHitsOffset, record.Hits);
    w.text(kTitleOffset, kTitleWidth, record.Title);
    w.text(kUrlOffset, kUrlWidth, record.Url);
    w.text(kHostOffset, kHostWidth, record.Host);
    return bytes;
}

HistoryRecord decodeHistoryRecord(std::span<const std::uint8_t> bytes)
{
    Bytes full = blankHistoryRecord();
    std::copy_n(bytes.begin(), std::min(bytes.size(), full.size()), full.begin());
    const RecordReader r(full);
    HistoryRecord record;
    record.VisitTime = r.f64(kVisitTimeOffset);
    record.Hits = r.i32(kHitsOffset);
    record.Title = r.text(kTitleOffset, kTitleWidth);
    record.Url = r.text(kUrlOffset, kUrlWidth);
    record.Host = r.text(kHostOffset, kHostWidth);
    return record;
}

std::vector<HistoryRecord> decodeDayFile(std::span<const std::uint8_t> file)
{
    std::vector<HistoryRecord> records;
    for (const Bytes& raw : splitRecords(file, blankHistoryRecord()))
        records.push_back(decodeHistoryRecord(raw));
    return records;
}

std::string dayFileName(const LocalDateTime& date)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "SG_%02d%02d%04d.hiz", date.month, date.day, date.year);
    return buf;
}

std::filesystem::path dayFilePath(
    const std::filesystem::path& historyDir, const LocalDateTime& date)
{
    return historyDir / dayFileName(date);
}

std::optional<LocalDateTime> parseDayFileName(std::string_view name)
{
    if (name.size() != 15 || name.substr(0, 3) != "SG_" || name.substr(11) != ".hiz")
        return std::nullopt;
    const std::string_view digits = name.substr(3, 8);
    if (!allDigits(digits))
        return std::nullopt;
    std::string iso;
    iso.append(digits.substr(4, 4)).append("-");
    iso.append(digits.substr(0, 2)).append("-");
    iso.append(digits.substr(2, 2));
    return parseIso(iso);
}

std::string historyHost(std::string_view url, bool logSecurePages)
{
    std::string lower = toCp1252(url);
    for (char& c : lower)
        c = lowerCp1252(c);
    std::string host;
    if (lower.starts_with("http://www."))
        host = hostAfter(lower, 11);
    else if (lower.starts_with("http://"))
        host = hostAfter(lower, 7);
    else if (logSecurePages && lower.starts_with("https://www."))
        host = hostAfter(lower, 12);
    else if (logSecurePages && lower.starts_with("https://"))
        host = hostAfter(lower, 8);
    else if (lower.starts_with("ftp://"))
        host = hostAfter(lower, 6);
    else if (lower.starts_with("file:///"))
        return "my computer";
    return fromCp1252(host);
}

std::string FormatHistoryDate(const LocalDateTime& t, bool showTime)
{
    static constexpr std::array<const char*, 7> kDays
        = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    static constexpr std::array<const char*, 12> kMonths
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    const char* month = (t.month >= 1 && t.month <= 12) ? kMonths[t.month - 1] : "???";
    const int year = ((t.year % 100) + 100) % 100;
    char buf[64];
    if (showTime) {
        std::snprintf(buf, sizeof buf, "%s %s %02d %02d %02d:%02d:%02d", kDays[weekday(t)], month,
            t.day, year, t.hour, t.minute, t.second);
    } else {
        std::snprintf(buf, sizeof buf, "%s %s %02d %02d", kDays[weekday(t)], month, t.day, year);
    }
    return buf;
}

} // namespace sg
