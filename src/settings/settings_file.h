#pragma once
// Reading and writing the settings file "Skyglass.ini" (record 1 of 1670 bytes).

#include "settings/settings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace sg {

// The seed file shipped with the program must hold at least this many bytes.
inline constexpr std::size_t kSeedSettingsMinimumLength = 1000;
// Saving keeps what a settings file holds after its record, up to a file of this length;
// a longer file is not rewritten (reading takes only the record, whatever the length).
inline constexpr std::size_t kSettingsFileMaxLength = 65536;

// Record 1 of the user's settings file, unchecked; nullopt when the file is missing, is a
// directory, cannot be read or is shorter than one whole record. Only the record is read.
std::optional<Settings> readSettingsFile(const std::filesystem::path& path);

// Record 1 of the seed settings file, unchecked; nullopt when the file is missing, is a
// directory, cannot be read or is shorter than 1000 bytes. A record cut short is completed
// from a blank record.
std::optional<Settings> readSeedSettings(const std::filesystem::path& path);

// The checked settings: those of the user's file, or the seed's when that cannot be read.
Settings loadSettings(
    const std::filesystem::path& userFile, const Settings& seed, std::int32_t panelBackColor);

// The outcome of a save: false with the message for the user when nothing was written.
struct SettingsSave {
    bool ok = false;
    std::string message;

    explicit operator bool() const { return ok; }
};

// Writes record 1 by the saving rule, keeping whatever the file held after it. The file is
// replaced through a temporary file and a rename, so a failure leaves the old file whole.
// Holds the data folder's lock (the settings file's folder) for the read and the write.
// Refused when the lock stays taken, when the file is longer than kSettingsFileMaxLength,
// and when it cannot be written.
SettingsSave saveSettingsFile(
    const std::filesystem::path& path, const Settings& s, const PerWindowSettings& window);

} // namespace sg
