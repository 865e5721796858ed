#pragma once
// Reading and writing the settings file "Skyglass.ini" (record 1 of 1670 bytes).

#include "settings/settings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace sg {

// The seed file shipped with the program must hold at least this many bytes.
inline constexpr std::size_t kSeedSettingsMinimumLength = 1000;

// Record 1 of the user's settings file, unchecked; nullopt when the file is missing, is a
// directory, cannot be read or is shorter than one whole record.
std::optional<Settings> readSettingsFile(const std::filesystem::path& path);

// Record 1 of the seed settings file, unchecked; nullopt when the file is missing, is a
// directory, cannot be read or is shorter than 1000 bytes. A record cut short is completed
// from a blank record.
std::optional<Settings> readSeedSettings(const std::filesystem::path& path);

// The checked settings: those of the user's file, or the seed's when that cannot be read.
Settings loadSettings(
    const std::filesystem::path& userFile, const Settings& seed, std::int32_t panelBackColor);

// Writes record 1 by the saving rule, keeping whatever the file held after it. The file is
// replaced through a temporary file and a rename, so a failure leaves the old file whole.
// False when the file could not be written.
bool saveSettingsFile(
    const std::filesystem::path& path, const Settings& s, const PerWindowSettings& window);

} // namespace sg
