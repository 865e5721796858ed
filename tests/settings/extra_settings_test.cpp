#include "settings/extra_settings.h"
#include "settings/ini_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

TEST(ExtraSettings, DefaultsAreWrittenAsQSettingsWritesThem)
{
    EXPECT_EQ(formatExtraSettings({}),
        "[General]\n"
        "LogSecurePages=false\n"
        "RefreshRecovery=true\n"
        "SlideshowCategory=\n"
        "SlideshowDwellSeconds=30\n");
    EXPECT_EQ(parseExtraSettings(""), ExtraSettings {});
}

TEST(ExtraSettings, TextValuesAreEscapedAsQSettingsDoesAndReadBack)
{
    // Each expected form is what QSettings (IniFormat) wrote for the value.
    const std::pair<std::string, std::string> cases[] = {
        { "Radar", "Radar" },
        { " lead", "\" lead\"" },
        { "a,b", "\"a,b\"" },
        { "x;y=z", "\"x;y=z\"" },
        { "q\"uo\\te", "q\\\"uo\\\\te" },
        { "M\xC3\xA9t\xC3\xA9o \xD0\x9F\xD0\xBE", "M\xC3\xA9t\xC3\xA9o \xD0\x9F\xD0\xBE" },
        { "@at", "@@at" },
        { "tab\tnl\nx", "tab\\tnl\\nx" },
        { "c\x01"
          "d0",
            "c\\x1\\x64\\x30" },
    };
    for (const auto& [value, written] : cases) {
        EXPECT_EQ(IniText::escapeValue(value), written) << value;
        ExtraSettings s;
        s.SlideshowCategory = value;
        const std::string text = formatExtraSettings(s);
        EXPECT_NE(text.find("\nSlideshowCategory=" + written + "\n"), std::string::npos) << text;
        EXPECT_EQ(parseExtraSettings(text), s) << text;
    }
}

TEST(ExtraSettings, ReadingChecksRangesAndReadsSwitchesAsQSettings)
{
    const std::pair<const char*, ExtraSettings> cases[] = {
        { "[General]\r\nSlideshowDwellSeconds=4\r\nRefreshRecovery=FALSE\r\n",
            { "", 5, false, false } },
        { "[General]\nSlideshowDwellSeconds = 4000\nLogSecurePages=yes\n",
            { "", 3600, true, true } },
        { "[General]\nSlideshowDwellSeconds=12.5\nLogSecurePages=0\nRefreshRecovery=\n",
            { "", 30, false, false } },
        // Comments, a quoted value with a trailing comment, another section's keys ignored.
        { "; note\n[General]\nSlideshowCategory=\" Radar \" ; "
          "kept\n[Other]\nSlideshowDwellSeconds=9\n",
            { " Radar ", 30, true, false } },
        // An unquoted comma makes a list, which reads as empty text.
        { "[general]\nSlideshowCategory=a,b\nSlideshowDwellSeconds=60\n", { "", 60, true, false } },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseExtraSettings(text), expected) << text;
}

TEST(ExtraSettings, FileKeepsOtherKeysAndSettingChecksValues)
{
    TempDir dir;
    const auto path = extraSettingsPath(dir.path());
    EXPECT_EQ(path.filename(), "Skyglass2.conf");
    EXPECT_EQ(readExtraSettingsFile(path), ExtraSettings {});
    writeBytes(path, bytesOf("[General]\nZoom=1.5\nSlideshowDwellSeconds=60\n\n[Window]\nx=1\n"));

    ExtraSettings s = *readExtraSettingsFile(path);
    EXPECT_EQ(s.SlideshowDwellSeconds, 60);
    EXPECT_EQ(setExtraSetting(s, "SlideshowDwellSeconds", "3600"), std::nullopt);
    EXPECT_EQ(setExtraSetting(s, "LogSecurePages", "1"), std::nullopt);
    EXPECT_EQ(setExtraSetting(s, "SlideshowCategory", "Radar, Loops"), std::nullopt);
    for (const auto& [name, value] : { std::pair { "SlideshowDwellSeconds", "4" },
             { "SlideshowDwellSeconds", "3601" }, { "SlideshowDwellSeconds", "1e2" },
             { "RefreshRecovery", "yes" }, { "NoSuchSetting", "1" } })
        EXPECT_TRUE(setExtraSetting(s, name, value)) << name << " " << value;
    ASSERT_TRUE(saveExtraSettingsFile(path, s));
    EXPECT_EQ(readText(path),
        "[General]\n"
        "LogSecurePages=true\n"
        "RefreshRecovery=true\n"
        "SlideshowCategory=\"Radar, Loops\"\n"
        "SlideshowDwellSeconds=3600\n"
        "Zoom=1.5\n"
        "\n"
        "[Window]\n"
        "x=1\n");
    EXPECT_EQ(readExtraSettingsFile(path), s);

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(readExtraSettingsFile(path), std::nullopt);
    EXPECT_FALSE(saveExtraSettingsFile(path, s));
}
