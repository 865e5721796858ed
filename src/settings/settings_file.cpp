#include "settings/settings_file.h"

#include "common/file_io.h"
#include "settings/settings_checks.h"
#include "settings/settings_codec.h"

namespace sg {
namespace {

std::optional<Settings> readAtLeast(const std::filesystem::path& path, std::size_t minimum)
{
    const auto bytes = readWholeFile(path);
    if (!bytes || bytes->size() < minimum)
        return std::nullopt;
    return decodeSettings(*bytes);
}

} // namespace

std::optional<Settings> readSettingsFile(const std::filesystem::path& path)
{
    // A short file would be completed with blanks and zeros that were never stored, so it
    // counts as unreadable and the seed's record stays in force.
    return readAtLeast(path, kSettingsRecordLength);
}

std::optional<Settings> readSeedSettings(const std::filesystem::path& path)
{
    return readAtLeast(path, kSeedSettingsMinimumLength);
}

Settings loadSettings(
    const std::filesystem::path& userFile, const Settings& seed, std::int32_t panelBackColor)
{
    Settings s = readSettingsFile(userFile).value_or(seed);
    applyLoadChecks(s, panelBackColor);
    return s;
}

bool saveSettingsFile(
    const std::filesystem::path& path, const Settings& s, const PerWindowSettings& window)
{
    std::vector<std::uint8_t> content = encodeSettings(s, window);
    if (const auto old = readWholeFile(path); old && old->size() > kSettingsRecordLength)
        content.insert(content.end(), old->begin() + kSettingsRecordLength, old->end());
    return writeFileAtomically(path, content);
}

} // namespace sg
