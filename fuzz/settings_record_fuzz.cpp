// Feeds arbitrary bytes through the settings reader, the load and screen checks, the encoder
// and the field editor; none of them may crash, and a checked record must survive a round trip.

#include "fuzz_support.h"
#include "settings/settings_checks.h"
#include "settings/settings_codec.h"
#include "settings/settings_fields.h"
#include "settings/settings_file.h"
#include "settings/tool_tips.h"

#include <algorithm>
#include <cmath>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    static const std::filesystem::path path = sgfuzz::runScratchDir("settings") / "Skyglass.ini";
    sgfuzz::writeInput(path, data, size);
    const auto fromFile = sg::readSettingsFile(path);
    const auto seed = sg::readSeedSettings(path);
    if (fromFile && !(fromFile->Bytes.size() == sg::kSettingsRecordLength))
        std::abort();
    if (seed && size < sg::kSeedSettingsMinimumLength)
        std::abort();

    sg::Settings s = sg::decodeSettings(bytes);
    sg::applyLoadChecks(s, sg::kWindowBackgroundColor);

    const std::vector<std::uint8_t> record = sg::encodeSettings(s, sg::perWindowSettingsOf(s));
    if (record.size() != sg::kSettingsRecordLength)
        std::abort();
    const sg::Settings back = sg::decodeSettings(record);
    if (std::isfinite(s.LastBackupTime) && !(back == s))
        std::abort();

    sg::checkWindowGeometry(s, 19200, 14400);
    sg::chooseDisplayFont(s, { "DejaVu Sans", "Arial" });
    (void)sg::makeToolTipTexts(s);
    for (const auto& field : sg::settingsFields(s))
        (void)sg::formatFieldValue(field.value);

    const std::string text(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 64));
    for (const auto& field : sg::settingsFields(s)) {
        sg::Settings edited = s;
        (void)sg::setSettingsField(edited, field.name, text);
        (void)sg::setSettingsField(edited, field.name + "[" + text + "]", text);
        (void)sg::setSettingsField(edited, text, text);
    }
    return 0;
}
