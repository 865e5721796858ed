#include "settings/extra_settings.h"

#include "common/data_lock.h"

#include "common/file_io.h"
#include "common/record_codec.h"
#include "settings/ini_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>

namespace sg {
namespace {

constexpr std::string_view kGeneral = "";
constexpr std::array<std::string_view, 4> kNames
    = { "SlideshowCategory", "SlideshowDwellSeconds", "RefreshRecovery", "LogSecurePages" };

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return lower;
}

// QVariant's text-to-bool rule.
bool readSwitch(const std::string& text)
{
    const std::string lower = lowerAscii(text);
    return !(lower.empty() || lower == "0" || lower == "false");
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::filesystem::path extraSettingsPath(const std::filesystem::path& userDataDir)
{
    return userDataDir / kExtraSettingsFileName;
}

ExtraSettings parseExtraSettings(std::string_view iniText)
{
    const IniText ini = IniText::parse(iniText);
    ExtraSettings s;
    if (const auto v = ini.value(kGeneral, kNames[0]))
        s.SlideshowCategory = *v;
    if (const auto v = ini.value(kGeneral, kNames[1])) {
        if (const auto n = parseInteger(*v))
            s.SlideshowDwellSeconds = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(*n, kMinSlideshowDwellSeconds, kMaxSlideshowDwellSeconds));
    }
    if (const auto v = ini.value(kGeneral, kNames[2]))
        s.RefreshRecovery = readSwitch(*v);
    if (const auto v = ini.value(kGeneral, kNames[3]))
        s.LogSecurePages = readSwitch(*v);
    return s;
}

std::string formatExtraSettings(const ExtraSettings& s, std::string_view oldText)
{
    IniText ini = IniText::parse(oldText);
    ini.setValue(kGeneral, kNames[0], s.SlideshowCategory);
    ini.setValue(kGeneral, kNames[1], std::to_string(s.SlideshowDwellSeconds));
    ini.setValue(kGeneral, kNames[2], s.RefreshRecovery ? "true" : "false");
    ini.setValue(kGeneral, kNames[3], s.LogSecurePages ? "true" : "false");
    return ini.text();
}

std::optional<ExtraSettings> readExtraSettingsFile(const std::filesystem::path& path)
{
    const auto bytes = readWholeFile(path, kExtraSettingsMaxBytes);
    if (!bytes)
        return FileMissing(path) == ENOENT ? std::optional(ExtraSettings {}) : std::nullopt;
    return parseExtraSettings(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool saveExtraSettingsFile(const std::filesystem::path& path, const ExtraSettings& s)
{
    const DataLock lock(path.parent_path());
    if (!lock)
        return false;
    std::string oldText;
    if (const auto old = readWholeFile(path, kExtraSettingsMaxBytes))
        oldText.assign(old->begin(), old->end());
    else if (FileMissing(path) != ENOENT)
        return false; // what the file holds could not be kept
    const std::string text = formatExtraSettings(s, oldText);
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::vector<SettingsField> extraSettingsFields(const ExtraSettings& s)
{
    return { { std::string(kNames[0]), s.SlideshowCategory },
        { std::string(kNames[1]), std::int64_t { s.SlideshowDwellSeconds } },
        { std::string(kNames[2]), s.RefreshRecovery },
        { std::string(kNames[3]), s.LogSecurePages } };
}

bool isExtraSettingName(std::string_view name)
{
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

std::optional<std::string> setExtraSetting(
    ExtraSettings& s, std::string_view name, std::string_view valueText)
{
    if (name == kNames[0]) {
        s.SlideshowCategory = std::string(valueText);
        return std::nullopt;
    }
    if (name == kNames[1]) {
        const auto n = parseInteger(valueText);
        if (!n || *n < kMinSlideshowDwellSeconds || *n > kMaxSlideshowDwellSeconds)
            return "Value " + quoted(valueText) + " of " + std::string(name)
                + " is not a whole number of 5 to 3600";
        s.SlideshowDwellSeconds = static_cast<std::int32_t>(*n);
        return std::nullopt;
    }
    if (name == kNames[2] || name == kNames[3]) {
        const std::string text = trimBlanks(valueText);
        if (text != "true" && text != "false" && text != "1" && text != "0")
            return "Value " + quoted(valueText) + " of " + std::string(name)
                + " is not true, false, 1 or 0";
        (name == kNames[2] ? s.RefreshRecovery : s.LogSecurePages) = text == "true" || text == "1";
        return std::nullopt;
    }
    return "Unknown settings field " + quoted(name);
}

} // namespace sg
