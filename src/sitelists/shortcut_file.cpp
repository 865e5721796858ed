#include "sitelists/shortcut_file.h"

#include "common/cp1252.h"
#include "common/file_io.h"
#include "sitelists/field_text.h"
#include "sitelists/list_records.h"

#include <algorithm>
#include <cctype>

namespace sg {
namespace {

constexpr std::size_t kShortestShortcut = 30;
constexpr std::string_view kSectionLine = "[internetshortcut]";
constexpr std::string_view kUrlKey = "url=";

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view lowerPrefix)
{
    if (at > text.size() || text.size() - at < lowerPrefix.size())
        return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        if (lower(text[at + i]) != lowerPrefix[i])
            return false;
    }
    return true;
}

// Where the address starts: after the first section line whose line end is directly
// followed by "URL=".
std::optional<std::size_t> addressStart(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!startsWithNoCase(text, at, kSectionLine))
            continue;
        std::size_t next = at + kSectionLine.size();
        if (startsWithNoCase(text, next, "\r\n"))
            next += 2;
        else if (startsWithNoCase(text, next, "\n"))
            next += 1;
        else
            continue;
        if (startsWithNoCase(text, next, kUrlKey))
            return next + kUrlKey.size();
    }
    return std::nullopt;
}

} // namespace

std::string shortcutUrlFromBytes(std::span<const std::uint8_t> file, std::size_t maxLength)
{
    if (file.size() < kShortestShortcut)
        return {};
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    const auto start = addressStart(text);
    if (!start)
        return {};
    const std::size_t lineFeed = text.find('\n', *start);
    if (lineFeed == std::string_view::npos)
        return {};
    std::size_t end = lineFeed;
    if (end > *start && text[end - 1] == '\r')
        --end;
    if (end == *start)
        return {};
    return fromCp1252(text.substr(*start, std::min(end - *start, maxLength)));
}

std::optional<std::string> ReadShortcutUrl(const std::filesystem::path& path, std::size_t maxLength)
{
    if (DirMissing(path) == 0)
        return std::string();
    const auto file = readWholeFile(path, kMaxShortcutFileLength);
    if (!file)
        return std::nullopt;
    return shortcutUrlFromBytes(*file, maxLength);
}

std::string ShortcutName(std::string_view fileName)
{
    std::string lowered(fileName);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), lower);
    const std::size_t at = lowered.rfind(".url");
    if (at == std::string::npos || at == 0)
        return {};
    return cutToEncodedLength(fileName.substr(0, at), kSiteNameWidth);
}

} // namespace sg
