#include "record_bytes.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace sg;
using namespace settingstest;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kThemed = static_cast<std::int32_t>(0x80000005u);

// A whole record whose StartPage and reserved field at 26 tell files apart.
Bytes recordWith(const std::string& startPage, std::uint32_t reserved26 = 0)
{
    Bytes r = blankRecordBytes();
    place(r, 26, le32(reserved26));
    place(r, 30, padded(startPage, 300));
    place(r, 508, le16(10));
    return r;
}

// The folder after a save: the file and the data folder's lock file, no temporary file.
const std::vector<std::string> kSavedFolder = { ".Skyglass2.lock", "Skyglass.ini" };

class SettingsFile : public testing::Test {
protected:
    sgtest::TempDir dir;
    fs::path ini = dir / "Skyglass.ini";
};

TEST_F(SettingsFile, ReadsRecordOneOfAWholeFileAndASeedOfAtLeast1000Bytes)
{
    writeBytes(ini, recordWith("/home/me/start.htm") + recordWith("second record"));
    EXPECT_EQ(readSettingsFile(ini)->StartPage, "/home/me/start.htm");
    const Bytes whole = recordWith("seed page", 0x01020304);
    for (const std::size_t size : { 0, 999, 1669 }) {
        writeBytes(ini, Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(size)));
        EXPECT_FALSE(readSettingsFile(ini)) << size;
        EXPECT_EQ(readSeedSettings(ini).has_value(), size > 999) << size;
    }
    writeBytes(ini, Bytes(whole.begin(), whole.begin() + 1000));
    EXPECT_EQ(readSeedSettings(ini)->Bytes, whole); // completed from a blank record
    fs::remove(ini);
    EXPECT_FALSE(readSettingsFile(ini));
    fs::create_directory(ini);
    EXPECT_FALSE(readSettingsFile(ini));
    EXPECT_FALSE(saveSettingsFile(ini, Settings {}, PerWindowSettings {}));
    EXPECT_TRUE(fs::is_directory(ini));
}

TEST_F(SettingsFile, LoadChecksTheUserFileOrTheSeedWhenTheUserFileIsShortOrMissing)
{
    Settings seed;
    seed.StartPage = "seed page";
    seed.RefreshInterval = 0;
    EXPECT_EQ(loadSettings(ini, seed, kThemed).RefreshInterval, 1); // the seed is checked too
    Bytes user = recordWith("user page");
    place(user, 500, le16(1)); // ScriptErrorsSilenced
    writeBytes(ini, Bytes(user.begin(), user.begin() + 1200));
    EXPECT_EQ(loadSettings(ini, seed, kThemed).StartPage, "seed page");
    writeBytes(ini, user);
    const Settings s = loadSettings(ini, seed, kThemed);
    EXPECT_EQ(s.StartPage, "user page");
    EXPECT_EQ(s.ScriptErrorsSilenced, 0);
}

TEST_F(SettingsFile, SaveWritesRecordOneAndKeepsTheRestOfTheFile)
{
    const Bytes tail = bytesOf("second record and more");
    writeBytes(ini, recordWith("old page", 0xCAFEF00D) + tail);
    Settings s = *readSettingsFile(ini);
    s.StartPage = "new page";
    ASSERT_TRUE(saveSettingsFile(ini, s, PerWindowSettings { 20, 1, 1, 2 }));

    Bytes expected = recordWith("new page", 0xCAFEF00D);
    place(expected, 508, le16(20));
    place(expected, 1630, le16(1) + le16(1) + le16(2));
    EXPECT_EQ(readBytes(ini), expected + tail);
}

TEST_F(SettingsFile, AHugeFileIsReadForItsRecordOnlyAndNeverCopied)
{
    writeBytes(ini, recordWith("big page"));
    fs::resize_file(ini, std::uintmax_t(1) << 30); // sparse: no disk taken
    Settings s = *readSettingsFile(ini);
    EXPECT_EQ(s.StartPage, "big page");
    s.StartPage = "new page";
    const SettingsSave saved = saveSettingsFile(ini, s, perWindowSettingsOf(s));
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.message,
        "Can't Save Your Settings: The Settings File Is Larger Than 65536 Bytes:\n" + ini.string());
    EXPECT_EQ(readSettingsFile(ini)->StartPage, "big page");
    EXPECT_EQ(fs::file_size(ini), std::uintmax_t(1) << 30);

    fs::resize_file(ini, kSettingsFileMaxLength); // the longest file that is still saved
    ASSERT_TRUE(saveSettingsFile(ini, s, perWindowSettingsOf(s)));
    EXPECT_EQ(readSettingsFile(ini)->StartPage, "new page");
    EXPECT_EQ(fs::file_size(ini), kSettingsFileMaxLength);
}

TEST_F(SettingsFile, SaveCreatesAMissingFileAndReplacesAnExistingOneRatherThanWritingIntoIt)
{
    Settings s;
    s.StartPage = "page";
    ASSERT_TRUE(saveSettingsFile(ini, s, PerWindowSettings { 1, 0, 0, 0 }));
    Bytes expected = blankRecordBytes();
    place(expected, 30, padded("page", 300));
    place(expected, 508, le16(1));
    EXPECT_EQ(readBytes(ini), expected);
    EXPECT_EQ(namesIn(dir.path()), kSavedFolder);

    fs::create_hard_link(ini, dir / "link.ini");
    s.StartPage = "new page";
    ASSERT_TRUE(saveSettingsFile(ini, s, perWindowSettingsOf(s)));
    EXPECT_EQ(readBytes(dir / "link.ini"), expected);
    EXPECT_EQ(readSettingsFile(ini)->StartPage, "new page");
}

TEST_F(SettingsFile, SavingALinkedFileWritesWhereItLivesAndKeepsItsPermissions)
{
    fs::create_directory(dir / "synced");
    const fs::path real = dir / "synced" / "Skyglass.ini";
    writeBytes(real, recordWith("old page"));
    ::chmod(real.c_str(), 0600);
    fs::create_symlink(real, ini);
    Settings s = *readSettingsFile(ini);
    s.StartPage = "new page";

    ASSERT_TRUE(saveSettingsFile(ini, s, perWindowSettingsOf(s)));
    EXPECT_TRUE(fs::is_symlink(ini));
    EXPECT_EQ(readSettingsFile(real)->StartPage, "new page");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(dir / "synced"), std::vector<std::string> { "Skyglass.ini" });
}

} // namespace
