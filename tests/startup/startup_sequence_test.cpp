#include "common/file_io.h"
#include "settings/settings_file.h"
#include "startup/startup_helpers.h"
#include "startup/startup_sequence.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace sg;
using sgtest::bytesOf;
using sgtest::readBytes;
using sgtest::writeBytes;
namespace fs = std::filesystem;

namespace {

// A shipped-data folder made from the real seeds, and a profile folder not made yet, as on
// a new account.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(fs::path(SKYGLASS_SOURCE_DIR) / "data", app(), fs::copy_options::recursive);
        env.executableDir = app();
        env.profileDir = m_tmp / "profile";
        env.screenWidthTwips = 1920 * 15;
        env.screenHeightTwips = 1080 * 15;
        env.installedFonts = { "DejaVu Sans", "DejaVu Serif" };
    }
    fs::path app() const { return m_tmp / "app"; }
    fs::path userData() const { return m_tmp / "profile" / "Application Data" / "Skyglass2"; }

    sgtest::TempDir m_tmp;
    StartupEnvironment env;
};

} // namespace

TEST(StartupPaths, AppDirIsTheExecutableFolderOnlyWhenItHoldsTheSeed)
{
    sgtest::TempDir tmp;
    fs::create_directories(tmp / "bin");
    EXPECT_EQ(resolveAppDir(tmp / "bin"), tmp / "share" / "skyglass2");
    writeBytes(tmp / "bin" / "Skyglass.ini", bytesOf("x"));
    EXPECT_EQ(resolveAppDir(tmp / "bin"), tmp / "bin");
    EXPECT_EQ(resolveAppDir(tmp.path() / "bin/"), tmp / "bin"); // never ends in "/"
}

TEST_F(StartupTest, FirstStartMakesTheFoldersAndSeedsListsAndSettingsOnlyOnce)
{
    // An existing SiteLists folder is never reseeded, even when empty.
    fs::create_directories(userData() / "SiteLists");
    ASSERT_TRUE(runStartupSequence(env).ok);
    EXPECT_TRUE(fs::is_empty(userData() / "SiteLists"));
    fs::remove(userData() / "SiteLists");
    const auto out = runStartupSequence(env);
    ASSERT_TRUE(out.ok);
    for (const char* dir : { "History", "BU_SiteLists", "SiteLists" })
        EXPECT_EQ(DirMissing(userData() / dir), 0) << dir;
    EXPECT_EQ(readBytes(userData() / "SiteLists" / "CatList.dab"),
        readBytes(app() / "SiteLists" / "CatList.dab"));
    EXPECT_EQ(readBytes(userData() / "Skyglass.ini"), readBytes(app() / "Skyglass.ini"));
    EXPECT_EQ(out.state.paths.UserDataDir, userData());
    EXPECT_EQ(out.state.paths.FavoritesDir, "");
    EXPECT_FALSE(out.state.placementSaved); // the seed carries no placement
    EXPECT_EQ(out.state.settings.WindowWidth, 7095); // raised to the minimum all the same
}

TEST_F(StartupTest, MissingSeedSettingsOrOneShorterThan1000BytesIsTheStartUpError)
{
    auto seed = readBytes(app() / "Skyglass.ini");
    seed.resize(999);
    writeBytes(app() / "Skyglass.ini", seed);
    const auto out = runStartupSequence(env);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.BootErrorText, "No App Data\\App\\Ini File, Error Copying It");
    EXPECT_EQ(FileMissing(userData() / "Skyglass.ini"), ENOENT); // nothing copied

    seed.resize(1000, 0);
    writeBytes(app() / "Skyglass.ini", seed);
    EXPECT_TRUE(runStartupSequence(env).ok);
}

TEST_F(StartupTest, TheUsersSettingsWinOverTheSeedAndAreChecked)
{
    ASSERT_TRUE(runStartupSequence(env).ok);
    auto user = readSettingsFile(userData() / "Skyglass.ini");
    ASSERT_TRUE(user);
    user->WindowWidth = 9000;
    user->WindowLeft = 40000; // off a 28800-twip screen
    user->StartPage = "HTTPS://Example.COM/Radar";
    ASSERT_TRUE(saveSettingsFile(userData() / "Skyglass.ini", *user, perWindowSettingsOf(*user)));

    const auto out = runStartupSequence(env);
    EXPECT_TRUE(out.state.placementSaved);
    EXPECT_EQ(out.state.settings.WindowWidth, 9000);
    EXPECT_EQ(out.state.settings.WindowLeft, 0);
    EXPECT_EQ(out.state.StartPageUrl, "https://example.com/radar");
}

TEST_F(StartupTest, DefPageIsWrittenByteExactOnlyWhenMissingAndFavoritesFoundOnlyWhenThere)
{
    fs::remove(app() / "DefPage.htm");
    ASSERT_TRUE(runStartupSequence(env).ok);
    const std::string expected = "<html>\r\n<head>\r\n<title>Pre-Navigate Default Page</title>\r\n"
                                 "</head>\r\n<body>\r\n<p align=\"center\">"
                                 "___________________________</p>\r\n</body>\r\n</html>\r\n";
    EXPECT_EQ(readBytes(app() / "DefPage.htm"), bytesOf(expected));

    writeBytes(app() / "DefPage.htm", bytesOf("mine"));
    fs::create_directories(env.profileDir / "Favorites"); // found only when it exists
    const auto out = runStartupSequence(env);
    EXPECT_EQ(readBytes(app() / "DefPage.htm"), bytesOf("mine"));
    EXPECT_EQ(out.state.paths.DefPageUrl, "file://" + (app() / "DefPage.htm").string());
    EXPECT_EQ(out.state.paths.FavoritesDir, (env.profileDir / "Favorites").string());
}

TEST_F(StartupTest, StartPageFallsBackFromHelpPageToDefPageToNothing)
{
    AppPaths p;
    p.AppDir = app();
    p.HelpPageName = "Skyglass2Help.htm";
    p.DefPagePath = (app() / "DefPage.htm").string();
    const std::string help = (app() / "Skyglass2Help.htm").string();

    EXPECT_EQ(resolveStartPage("", p), help);
    EXPECT_EQ(resolveStartPage("/old/place/Skyglass2Help.htm", p), help);
    EXPECT_EQ(resolveStartPage("/old/place/skyglass2help.htm", p), "/old/place/skyglass2help.htm");
    EXPECT_EQ(resolveStartPage("Skyglass2Help.htm", p), "Skyglass2Help.htm"); // not longer
    EXPECT_EQ(resolveStartPage("weather.gov", p), "weather.gov");

    fs::remove(help);
    EXPECT_EQ(resolveStartPage("/old/place/Skyglass2Help.htm", p), p.DefPagePath);
    fs::remove(p.DefPagePath);
    EXPECT_EQ(resolveStartPage("", p), "");
}

TEST(StartPageUrl, LocalPathsBecomeFileUrlsAndAddressesAreLowerCased)
{
    EXPECT_EQ(startPageUrlOf("/opt/Sky Glass/Skyglass2Help.htm"),
        "file:///opt/Sky%20Glass/Skyglass2Help.htm");
    EXPECT_EQ(startPageUrlOf("WWW.Weather.GOV"), "www.weather.gov");
    EXPECT_EQ(startPageUrlOf(""), "");
}

TEST_F(StartupTest, WhatAKilledWriteLeftIsCleanedUpAtTheNextStart)
{
    const fs::path lists = userData() / "SiteLists";
    fs::create_directories(lists);
    writeBytes(lists / "CatList.dab", bytesOf("mine"));
    writeBytes(lists / ".CatList.dab.tmp-a1B2c3", bytesOf("half"));
    writeBytes(userData() / ".Skyglass.ini.tmp-0123abcd", bytesOf("half"));
    fs::create_directories(userData() / ".BU_SiteLists.new-89abcdef" / "sub");
    writeBytes(userData() / ".BU_SiteLists.new-89abcdef" / "CatList.dab", bytesOf("half"));
    fs::create_directories(userData() / ".SiteLists.old-00ff00ff");
    // A restore killed between its two renames: the old set is the only copy of the lists.
    fs::create_directories(userData() / ".BU_SiteLists.old-12345678");
    writeBytes(userData() / ".BU_SiteLists.old-12345678" / "CatList.dab", bytesOf("saved"));
    // Hidden names of the user's own stay.
    writeBytes(lists / ".tmp-note", bytesOf("n"));
    writeBytes(userData() / ".Skyglass.ini.tmp-not-ours", bytesOf("n"));

    ASSERT_TRUE(runStartupSequence(env).ok);
    EXPECT_EQ(sgtest::namesIn(lists), (std::vector<std::string> { ".tmp-note", "CatList.dab" }));
    EXPECT_EQ(readBytes(lists / "CatList.dab"), bytesOf("mine"));
    EXPECT_EQ(sgtest::namesIn(userData()),
        (std::vector<std::string> { ".Skyglass.ini.tmp-not-ours", ".Skyglass2.lock", "BU_SiteLists",
            "History", "SiteLists", "Skyglass.ini" }));
    EXPECT_EQ(readBytes(userData() / "BU_SiteLists" / "CatList.dab"), bytesOf("saved"));
}
