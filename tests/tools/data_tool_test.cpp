#include "common/data_lock.h"
#include "common/file_handle.h"
#include "history/history_writer.h"
#include "settings/settings_file.h"
#include "tool_fixture.h"

#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sgtest;
namespace fs = std::filesystem;

using DataToolTest = DataToolFixture;

TEST_F(DataToolTest, SettingsShowNamesEveryFieldWithItsType)
{
    const ToolRun r = run({ "settings", "show" });
    ASSERT_EQ(r.code, 0) << r.err;
    for (const char* member :
        { "{\"WindowLeft\":0,", "\"FontBold\":false", "\"LastBackupTime\":\"1899-12-30 00:00:00\"",
            "\"ColumnWidths\":[6000,6000,6000,6000]", "\"EditorColumnWidths\":[0,0,0,0]",
            "\"HistoryColumnWidths\":[0,0,0,0,0,0,0,0]", "\"MailAppCaption\":\"Thunderbird\"",
            "\"RefreshInterval\":5,", "\"HistoryShowTime\":0," })
        EXPECT_NE(r.out.find(member), std::string::npos) << member << " in " << r.out;
}

TEST_F(DataToolTest, SettingsSetWritesTheRecordAndPrintsIt)
{
    const ToolRun r = run({ "settings", "set", "RefreshInterval", "12" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"RefreshInterval\":12,"), std::string::npos);
    const auto bytes = readBytes(m_dir / "Skyglass.ini");
    ASSERT_EQ(bytes.size(), 1670u);
    EXPECT_EQ(bytes[508], 12);
    EXPECT_EQ(bytes[509], 0);

    ASSERT_EQ(run({ "settings", "set", "ColumnWidths[2]", "4500" }).code, 0);
    EXPECT_NE(run({ "settings", "show" }).out.find("\"ColumnWidths\":[6000,4500,6000,6000]"),
        std::string::npos);
}

TEST_F(DataToolTest, FailuresAndUsageErrorsHaveTheirExitCodes)
{
    EXPECT_EQ(run({ "settings", "set", "NoSuchField", "1" }).code, 1);
    EXPECT_EQ(run({ "settings", "set", "RefreshInterval", "x" }).code, 1);
    EXPECT_EQ(run({ "settings" }).code, 2);
    EXPECT_EQ(run({ "lists", "frobnicate" }).code, 2);
    EXPECT_EQ(run({ "history", "add", "only-title" }).code, 2);
    EXPECT_EQ(run({ "lists", "show" }, "yesterday").code, 2);
    const ToolRun usage = run({});
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.err.find("usage: skyglass2-data"), std::string::npos);

    // Files that exist but cannot be read are failures, never empty lists.
    fs::create_directories(m_dir / "History" / "SG_12052026.hiz");
    EXPECT_EQ(run({ "history", "show" }).code, 1);

    fs::remove(m_dir / "Skyglass.ini");
    const ToolRun noSettings = run({ "history", "add", "T", "http://a/" });
    EXPECT_EQ(noSettings.code, 1);
    EXPECT_NE(noSettings.err.find("Skyglass.ini"), std::string::npos);
}

TEST_F(DataToolTest, CategoriesAndPagesGoIntoTheListFiles)
{
    ToolRun r = run({ "lists", "add-category", "  Radar  " });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"name\":\"Radar\",\"file\":\"Sites00001.dab\"}\n");
    const sg::Bytes catList = bytesOf("Radar") + filled(153, ' ') + sg::Bytes { 1, 0 };
    EXPECT_EQ(readBytes(m_dir / "SiteLists" / "CatList.dab"), catList);
    EXPECT_EQ(readBytes(m_dir / "SiteLists" / "Sites00001.dab").size(), 0u);

    r = run({ "lists", "add-category", "Radar" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "You Already Have A Category Named:\nRadar\n");

    ASSERT_EQ(run({ "lists", "add-site", "Radar", "Loop", "https://radar.example/loop" }).code, 0);
    r = run({ "lists", "add-site", "Radar", "Loop", "https://radar.example/other" });
    EXPECT_EQ(r.out, "{\"name\":\"Loop(1)\",\"url\":\"https://radar.example/other\"}\n");
    EXPECT_EQ(run({ "lists", "add-site", "Nowhere", "Loop", "u" }).code, 1);

    r = run({ "lists", "show" });
    EXPECT_EQ(r.out,
        "[{\"name\":\"Radar\",\"file\":\"Sites00001.dab\",\"sites\":["
        "{\"name\":\"Loop\",\"url\":\"https://radar.example/loop\"},"
        "{\"name\":\"Loop(1)\",\"url\":\"https://radar.example/other\"}]}]\n");

    r = run({ "lists", "delete-category", "Radar" });
    EXPECT_EQ(r.out, "{\"name\":\"Radar\",\"file\":\"Sites00001.dab\"}\n");
    EXPECT_FALSE(fs::exists(m_dir / "SiteLists" / "CatList.dab"));
    EXPECT_FALSE(fs::exists(m_dir / "SiteLists" / "Sites00001.dab"));
}

TEST_F(DataToolTest, ImportTakesShortcutsInTheOrderGivenAndSkipsUnusableOnes)
{
    ASSERT_EQ(run({ "lists", "add-category", "Imported" }).code, 0);
    const std::string body = "[InternetShortcut]\r\nURL=https://weather.example/";
    writeBytes(m_dir / "Sat Loop.url", bytesOf(body + "sat\r\n"));
    writeBytes(m_dir / "Radar.url", bytesOf(body + "radar\n"));
    writeBytes(m_dir / "Broken.url", bytesOf("not a shortcut at all, but long enough"));
    const ToolRun r = run({ "lists", "import-url", "Imported", (m_dir / "Sat Loop.url").string(),
        (m_dir / "Broken.url").string(), (m_dir / "Radar.url").string() });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "[{\"name\":\"Sat Loop\",\"url\":\"https://weather.example/sat\"},"
        "{\"name\":\"Radar\",\"url\":\"https://weather.example/radar\"}]\n");
}

TEST_F(DataToolTest, BackupCopiesTheListsAndRecordsTheTime)
{
    EXPECT_EQ(run({ "lists", "backup" }).err,
        "There Aren't Any Files To Back-Up In Your SiteLists Dir\n");
    ASSERT_EQ(run({ "lists", "add-category", "Radar" }).code, 0);
    const ToolRun r = run({ "lists", "backup" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"files\":[\"CatList.dab\",\"Sites00001.dab\"]}\n");
    EXPECT_EQ(readBytes(m_dir / "BU_SiteLists" / "CatList.dab"),
        readBytes(m_dir / "SiteLists" / "CatList.dab"));
    EXPECT_NE(run({ "settings", "show" }).out.find("\"LastBackupTime\":\"2026-12-05 14:08:35\""),
        std::string::npos);
}

TEST_F(DataToolTest, HistoryAddShowAndPurge)
{
    ASSERT_EQ(run({ "history", "add", "Radar", "http://www.radar.example:8080/loop?x=1" }).code, 0);
    ASSERT_EQ(run({ "history", "add", "Again", "http://www.radar.example:8080/loop?x=1" }).code, 0);
    ToolRun r = run({ "history", "show" });
    EXPECT_EQ(r.out,
        "[{\"time\":\"2026-12-05 14:08:35\",\"hits\":2,\"title\":\"Radar\","
        "\"url\":\"http://www.radar.example:8080/loop?x=1\",\"host\":\"radar.example:8080\"}]\n");
    EXPECT_EQ(run({ "history", "show", "--day", "2026-12-04" }).out, "[]\n");
    EXPECT_EQ(readBytes(m_dir / "History" / "SG_12052026.hiz").size(), 512u);

    // The seed keeps 30 days: a file 30 days old goes, one 29 days old stays.
    writeBytes(m_dir / "History" / "SG_11052026.hiz", {});
    writeBytes(m_dir / "History" / "SG_11062026.hiz", {});
    r = run({ "history", "purge" });
    EXPECT_EQ(r.out, "[\"SG_11052026.hiz\"]\n");
    EXPECT_TRUE(fs::exists(m_dir / "History" / "SG_11062026.hiz"));
}

TEST_F(DataToolTest, ListsShowReportsAnUnreadableSiteListInItsCategoryAndShowsTheOthers)
{
    for (const char* name : { "Fifo", "Radar", "Huge" })
        ASSERT_EQ(run({ "lists", "add-category", name }).code, 0);
    ASSERT_EQ(run({ "lists", "add-site", "Radar", "Loop", "http://loop" }).code, 0);
    fs::remove(m_dir / "SiteLists" / "Sites00001.dab");
    ::mkfifo((m_dir / "SiteLists" / "Sites00001.dab").c_str(), 0644);
    // More records than a list can hold: refused without being read (a sparse 1 GiB file).
    fs::resize_file(m_dir / "SiteLists" / "Sites00003.dab", std::uintmax_t(1) << 30);

    const ToolRun r = run({ "lists", "show" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out,
        "[{\"name\":\"Fifo\",\"file\":\"Sites00001.dab\","
        "\"error\":\"cannot read Sites00001.dab: not a regular file\"},"
        "{\"name\":\"Radar\",\"file\":\"Sites00002.dab\",\"sites\":["
        "{\"name\":\"Loop\",\"url\":\"http://loop\"}]},"
        "{\"name\":\"Huge\",\"file\":\"Sites00003.dab\","
        "\"error\":\"cannot read Sites00003.dab: larger than its format can hold\"}]\n");
    EXPECT_EQ(r.err,
        "cannot read Sites00001.dab: not a regular file\n"
        "cannot read Sites00003.dab: larger than its format can hold\n");
}

TEST_F(DataToolTest, TwoWritersAtOnceLoseNoChange)
{
    // Two processes, each 50 times: a category, a visit of one address, a settings field.
    const auto writer = [this](const std::string& prefix, const std::string& field) {
        int failures = 0;
        for (int i = 1; i <= 50; ++i) {
            failures += run({ "lists", "add-category", prefix + std::to_string(i) }).code != 0;
            failures += run({ "history", "add", "T", "http://both.example/" }).code != 0;
            failures += run({ "settings", "set", field, std::to_string(i) }).code != 0;
        }
        return failures;
    };
    std::fflush(nullptr);
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        if (children[c] == 0)
            ::_exit(writer(c == 0 ? "A" : "B", c == 0 ? "ColumnWidths[1]" : "ColumnWidths[2]"));
    }
    for (const pid_t child : children) {
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
    }
    EXPECT_EQ(fs::file_size(m_dir / "SiteLists" / "CatList.dab"), 100u * 160);
    const std::string history = run({ "history", "show" }).out;
    EXPECT_NE(history.find("\"hits\":100,"), std::string::npos) << history;
    EXPECT_NE(run({ "settings", "show" }).out.find("\"ColumnWidths\":[50,50,6000,6000]"),
        std::string::npos);
}

TEST_F(DataToolTest, WritersGiveUpWithAMessageWhileAnotherHoldsTheDataFolder)
{
    ASSERT_EQ(run({ "lists", "add-category", "Radar" }).code, 0);
    const sg::Bytes catList = readBytes(m_dir / "SiteLists" / "CatList.dab");
    const sg::Bytes settings = readBytes(m_dir / "Skyglass.ini");
    // Another program's lock: its own open file, so no hold of this process counts.
    sg::File other = sg::File::open(m_dir / ".Skyglass2.lock", sg::File::Mode::ReadWrite);
    ASSERT_TRUE(other.isOpen() && other.tryLockExclusive());

    // The tool, the program's settings save and its history writer, waiting side by side.
    auto tool = std::async(std::launch::async, [&] {
        return run({ "lists", "add-category", "X" });
    });
    auto save = std::async(std::launch::async,
        [&] { return sg::saveSettingsFile(m_dir / "Skyglass.ini", sg::Settings {}, {}).message; });
    auto visit = std::async(std::launch::async, [&] {
        const sg::FixedClock clock({ 2026, 12, 5, 14, 8, 35 });
        sg::HistoryWriter writer(m_dir / "History", clock);
        return writer.AddHistoryEntry({ 7, false }, nullptr, "T", "http://a.example/");
    });
    const std::string busy(sg::kDataFolderBusyMessage);
    const ToolRun r = tool.get();
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.substr(0, busy.size()), busy);
    EXPECT_EQ(save.get(), busy);
    EXPECT_EQ(visit.get(), sg::HistoryWrite::Busy);
    EXPECT_EQ(readBytes(m_dir / "SiteLists" / "CatList.dab"), catList);
    EXPECT_EQ(readBytes(m_dir / "Skyglass.ini"), settings);
    EXPECT_FALSE(fs::exists(m_dir / "History" / "SG_12052026.hiz"));
}
