#pragma once
// The settings kept beside the 1670-byte settings record, in "Skyglass2.conf" (the INI
// format of Qt's QSettings, section [General]), so that the record stays as it is.

#include "settings/settings_fields.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// The file holds a few short lines; a larger one is not this program's.
inline constexpr std::size_t kExtraSettingsMaxBytes = 64 * 1024;

inline constexpr std::string_view kExtraSettingsFileName = "Skyglass2.conf";

inline constexpr std::int32_t kMinSlideshowDwellSeconds = 5;
inline constexpr std::int32_t kMaxSlideshowDwellSeconds = 3600;
inline constexpr std::int32_t kDefaultSlideshowDwellSeconds = 30;

// The working values; the member names are the keys of the file and the names the data
// tool shows and sets.
struct ExtraSettings {
    // The category the full-screen window's slideshow showed last; empty: none yet.
    std::string SlideshowCategory;
    // How long the slideshow shows each page, 5 to 3600 seconds.
    std::int32_t SlideshowDwellSeconds = kDefaultSlideshowDwellSeconds;
    // Refresh at once after sleep or a clock jump, and retry a refresh that failed.
    bool RefreshRecovery = true;
    // Log secure (https) pages in history.
    bool LogSecurePages = false;

    bool operator==(const ExtraSettings&) const = default;
};

std::filesystem::path extraSettingsPath(const std::filesystem::path& userDataDir);

// The values of the file's text: a missing key keeps its default; a dwell time that is no
// whole number is the default and one out of range is held to 5..3600; a switch is false
// for "false", "0" or an empty value (any case) and true otherwise, as QSettings reads it.
ExtraSettings parseExtraSettings(std::string_view iniText);

// The file's text with these values, as QSettings writes them; keys and sections of
// oldText that are not these keys are kept.
std::string formatExtraSettings(const ExtraSettings& s, std::string_view oldText = {});

// The file's values: the defaults when the file is missing; nullopt when it exists but
// cannot be read (a directory, no access).
std::optional<ExtraSettings> readExtraSettingsFile(const std::filesystem::path& path);

// Writes the values, keeping what else the file holds, through a temporary file and a
// rename. False when the file could not be written.
bool saveExtraSettingsFile(const std::filesystem::path& path, const ExtraSettings& s);

// The values by name, in the order above (text, whole number, booleans).
std::vector<SettingsField> extraSettingsFields(const ExtraSettings& s);

bool isExtraSettingName(std::string_view name);

// Sets one value from text: booleans "true", "false", "1" or "0"; the dwell time a whole
// number of 5 to 3600; the category any text. nullopt on success, else what was wrong (s is
// unchanged then).
std::optional<std::string> setExtraSetting(
    ExtraSettings& s, std::string_view name, std::string_view valueText);

} // namespace sg
