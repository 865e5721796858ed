#include "settings/settings_file.h"

#include "common/data_lock.h"
#include "common/file_io.h"
#include "settings/settings_checks.h"
#include "settings/settings_codec.h"

#include <cerrno>

namespace sg {
namespace {

constexpr std::string_view kSaveErrorStart = "Can't Save Your Settings: ";

std::optional<Settings> readAtLeast(const std::filesystem::path& path, std::size_t minimum)
{
    const auto bytes = readFileStart(path, kSettingsRecordLength);
    if (!bytes || bytes->size() < minimum)
        return std::nullopt;
    return decodeSettings(*bytes);
}

SettingsSave refused(std::string_view reason, const std::filesystem::path& path)
{
    return { false, std::string(kSaveErrorStart) + std::string(reason) + "\n" + path.string() };
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

SettingsSave saveSettingsFile(
    const std::filesystem::path& path, const Settings& s, const PerWindowSettings& window)
{
    const DataLock lock(path.parent_path());
    if (!lock)
        return { false, std::string(lock.message()) };
    std::vector<std::uint8_t> content = encodeSettings(s, window);
    int error = 0;
    const auto old = readWholeFile(path, kSettingsFileMaxLength, &error);
    if (error == kFileTooLarge)
        return refused("The Settings File Is Larger Than 65536 Bytes:", path);
    if (old && old->size() > kSettingsRecordLength)
        content.insert(content.end(), old->begin() + kSettingsRecordLength, old->end());
    if (!writeFileAtomically(path, content))
        return refused("The Settings File Can't Be Written:", path);
    return { true, {} };
}

} // namespace sg
