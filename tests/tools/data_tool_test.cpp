// The data tool's contract: its JSON, exit codes and usage errors, and that it shares the
// program's data folder safely. What the list, history and settings operations write is
// pinned by their own tests.
#include "common/data_lock.h"
#include "common/file_handle.h"
#include "data_tool.h"
#include "history/history_test_files.h"
#include "history/history_writer.h"
#include "settings/extra_settings.h"
#include "settings/settings_file.h"

#include <future>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sgtest;
namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The tool run in-process over a data folder that holds the shipped seed settings.
class DataToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(fs::path(SKYGLASS_SOURCE_DIR) / "data" / "Skyglass.ini", ini());
    }
    ToolRun run(std::vector<std::string> args, const char* now = "2026-12-05 14:08:35")
    {
        args.insert(args.begin(), { "--data-dir", m_dir.path().string(), "--now", now });
        std::ostringstream out, err;
        const int code = sg::tool::runDataTool(args, "/nonexistent", out, err);
        return { code, out.str(), err.str() };
    }
    fs::path ini() const { return m_dir / "Skyglass.ini"; }
    fs::path lists() const { return m_dir / "SiteLists"; }

    TempDir m_dir;
};

} // namespace

TEST_F(DataToolTest, SettingsShowAndSetPrintEveryFieldWithItsType)
{
    ToolRun r = run({ "settings", "show" });
    ASSERT_EQ(r.code, 0) << r.err;
    for (const char* member :
        { "{\"WindowLeft\":0,", "\"FontBold\":false", "\"LastBackupTime\":\"1899-12-30 00:00:00\"",
            "\"ColumnWidths\":[6000,6000,6000,6000]", "\"MailAppCaption\":\"Thunderbird\"",
            "\"HistoryShowTime\":0,\"SlideshowCategory\":\"\",\"SlideshowDwellSeconds\":30,"
            "\"RefreshRecovery\":true,\"LogSecurePages\":false}" })
        EXPECT_TRUE(contains(r.out, member)) << member << " in " << r.out;

    r = run({ "settings", "set", "ColumnWidths[2]", "4500" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "\"ColumnWidths\":[6000,4500,6000,6000]"));
    // The extra settings go into their own file and leave the record as it was.
    const sg::Bytes record = readBytes(ini());
    r = run({ "settings", "set", "LogSecurePages", "true" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "\"LogSecurePages\":true}"));
    EXPECT_EQ(readBytes(ini()), record);
    EXPECT_TRUE(sg::readExtraSettingsFile(m_dir / "Skyglass2.conf")->LogSecurePages);
}

TEST_F(DataToolTest, FailuresAndUsageErrorsHaveTheirExitCodes)
{
    EXPECT_EQ(run({ "settings", "set", "NoSuchField", "1" }).code, 1);
    EXPECT_EQ(run({ "settings", "set", "SlideshowDwellSeconds", "3" }).code, 1);
    EXPECT_EQ(run({ "settings" }).code, 2);
    EXPECT_EQ(run({ "lists", "frobnicate" }).code, 2);
    EXPECT_EQ(run({ "lists", "export-bookmarks" }).code, 2);
    EXPECT_EQ(run({ "history", "add", "only-title" }).code, 2);
    EXPECT_EQ(run({ "history", "periods", "extra" }).code, 2);
    EXPECT_EQ(run({ "lists", "show" }, "yesterday").code, 2);
    const ToolRun usage = run({});
    EXPECT_EQ(usage.code, 2);
    EXPECT_TRUE(contains(usage.err, "usage: skyglass2-data"));

    // Files that exist but cannot be read are failures, never empty lists.
    fs::create_directories(m_dir / "History" / "SG_12052026.hiz");
    EXPECT_EQ(run({ "history", "show" }).code, 1);
    const ToolRun refused = run({ "lists", "import-bookmarks", ini().string() });
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "The File Is Not A Bookmark File.\n");
    fs::remove(ini());
    const ToolRun noSettings = run({ "history", "add", "T", "http://a/" });
    EXPECT_EQ(noSettings.code, 1);
    EXPECT_TRUE(contains(noSettings.err, "Skyglass.ini"));
}

TEST_F(DataToolTest, ListCommandsPrintWhatTheyAddedOrRemoved)
{
    ToolRun r = run({ "lists", "add-category", "  Radar  " });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"name\":\"Radar\",\"file\":\"Sites00001.dab\"}\n");
    r = run({ "lists", "add-category", "Radar" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "You Already Have A Category Named:\nRadar\n");

    ASSERT_EQ(run({ "lists", "add-site", "Radar", "Loop", "https://radar.example/loop" }).code, 0);
    r = run({ "lists", "add-site", "Radar", "Loop", "https://radar.example/other" });
    EXPECT_EQ(r.out, "{\"name\":\"Loop(1)\",\"url\":\"https://radar.example/other\"}\n");
    EXPECT_EQ(run({ "lists", "add-site", "Nowhere", "Loop", "u" }).code, 1);
    writeBytes(m_dir / "Sat.url", bytesOf("[InternetShortcut]\r\nURL=https://sat.example/\r\n"));
    writeBytes(m_dir / "Broken.url", bytesOf("not a shortcut at all, but long enough"));
    r = run({ "lists", "import-url", "Radar", (m_dir / "Sat.url").string(),
        (m_dir / "Broken.url").string() });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "[{\"name\":\"Sat\",\"url\":\"https://sat.example/\"}]\n");

    EXPECT_EQ(run({ "lists", "show" }).out,
        "[{\"name\":\"Radar\",\"file\":\"Sites00001.dab\",\"sites\":["
        "{\"name\":\"Loop\",\"url\":\"https://radar.example/loop\"},"
        "{\"name\":\"Loop(1)\",\"url\":\"https://radar.example/other\"},"
        "{\"name\":\"Sat\",\"url\":\"https://sat.example/\"}]}]\n");
    r = run({ "lists", "export-bookmarks", (m_dir / "out.html").string() });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"categories\":1,\"pages\":3}\n");
    r = run({ "lists", "backup" });
    EXPECT_EQ(r.out, "{\"files\":[\"CatList.dab\",\"Sites00001.dab\"]}\n");
    EXPECT_TRUE(
        contains(run({ "settings", "show" }).out, "\"LastBackupTime\":\"2026-12-05 14:08:35\""));

    r = run({ "lists", "delete-category", "Radar" });
    EXPECT_EQ(r.out, "{\"name\":\"Radar\",\"file\":\"Sites00001.dab\"}\n");
    r = run({ "lists", "import-bookmarks", (m_dir / "out.html").string() });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "{\"categoriesAdded\":1,\"categoriesExisting\":0,\"pagesAdded\":3,\"linksSkipped\":0}\n");
}

TEST_F(DataToolTest, ListsShowReportsAnUnreadableSiteListInItsCategoryAndShowsTheOthers)
{
    for (const char* name : { "Fifo", "Radar" })
        ASSERT_EQ(run({ "lists", "add-category", name }).code, 0);
    ASSERT_EQ(run({ "lists", "add-site", "Radar", "Loop", "http://loop" }).code, 0);
    fs::remove(lists() / "Sites00001.dab");
    ::mkfifo((lists() / "Sites00001.dab").c_str(), 0644);

    const ToolRun r = run({ "lists", "show" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out,
        "[{\"name\":\"Fifo\",\"file\":\"Sites00001.dab\","
        "\"error\":\"cannot read Sites00001.dab: not a regular file\"},"
        "{\"name\":\"Radar\",\"file\":\"Sites00002.dab\",\"sites\":["
        "{\"name\":\"Loop\",\"url\":\"http://loop\"}]}]\n");
    EXPECT_EQ(r.err, "cannot read Sites00001.dab: not a regular file\n");
}

TEST_F(DataToolTest, HistoryAddShowAndPurge)
{
    ASSERT_EQ(run({ "history", "add", "Radar", "http://www.radar.example:8080/loop?x=1" }).code, 0);
    ASSERT_EQ(run({ "history", "add", "Again", "http://www.radar.example:8080/loop?x=1" }).code, 0);
    EXPECT_EQ(run({ "history", "show" }).out,
        "[{\"time\":\"2026-12-05 14:08:35\",\"hits\":2,\"title\":\"Radar\","
        "\"url\":\"http://www.radar.example:8080/loop?x=1\",\"host\":\"radar.example:8080\"}]\n");
    EXPECT_EQ(run({ "history", "show", "--day", "2026-12-04" }).out, "[]\n");

    // The seed keeps 30 days: a file 30 days old goes, one 29 days old stays.
    writeBytes(m_dir / "History" / "SG_11052026.hiz", {});
    writeBytes(m_dir / "History" / "SG_11062026.hiz", {});
    EXPECT_EQ(run({ "history", "purge" }).out, "[\"SG_11052026.hiz\"]\n");
    EXPECT_TRUE(fs::exists(m_dir / "History" / "SG_11062026.hiz"));
}

TEST_F(DataToolTest, HistoryPeriodsAndSearchPrintTheWindowsItemsAndRows)
{
    ASSERT_EQ(run({ "settings", "set", "HistoryDaysToKeep", "14" }).code, 0);
    fs::create_directory(m_dir / "History");
    const auto nine = sg::addDays(kToday, -9);
    writeDay(m_dir / "History",
        { visit(nine, 2, "Radar Loop", "http://www.radar.example/loop"),
            visit(nine, 1, "News \"Front\"", "http://news.example/front") });
    writeDay(m_dir / "History", { visit(kToday, 5, "Radar", "http://www.radar.example/loop") });
    EXPECT_EQ(run({ "history", "periods" }).out,
        "[\"0-14 Days Ago\",\"0-6 Days Ago\",\"7-13 Days Ago\",\"0 Days Ago 12/05/2026 <>\","
        "\"9 Days Ago 11/26/2026 <>\"]\n");

    const auto search = [this](std::vector<std::string> args) {
        args.insert(args.begin(), { "history", "search" });
        return run(std::move(args));
    };
    ToolRun r = search({ "--period", "0-14 Days Ago", "--host", "news.example", "--show-time" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "{\"header\":\"1 Page Titles\",\"rows\":["
        "{\"title\":\"News \\\"Front\\\"\",\"hits\":\"1\",\"date\":\"Thu Nov 26 26 14:08:35\","
        "\"url\":\"http://news.example/front\"}]}\n");

    // Only an item the selector holds can be chosen: no file lies 14-20 days back.
    r = search({ "--period", "14-20 Days Ago", "--sort", "Date Sort" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Can't Search...No Time Period Was Selected In The First Selector\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(search({ "--period" }).code, 2);
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--colour", "red" }).code, 2);
    ASSERT_EQ(run({ "settings", "set", "HistoryDaysToKeep", "0" }).code, 0);
    EXPECT_EQ(run({ "history", "periods" }).out, "[]\n");
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
    EXPECT_EQ(fs::file_size(lists() / "CatList.dab"), 100u * 160);
    const std::string history = run({ "history", "show" }).out;
    EXPECT_TRUE(contains(history, "\"hits\":100,")) << history;
    EXPECT_TRUE(contains(run({ "settings", "show" }).out, "\"ColumnWidths\":[50,50,6000,6000]"));
}

TEST_F(DataToolTest, WritersGiveUpWithAMessageWhileAnotherHoldsTheDataFolder)
{
    ASSERT_EQ(run({ "lists", "add-category", "Radar" }).code, 0);
    const sg::Bytes catList = readBytes(lists() / "CatList.dab");
    const sg::Bytes settings = readBytes(ini());
    // Another program's lock: its own open file, so no hold of this process counts.
    sg::File other = sg::File::open(m_dir / ".Skyglass2.lock", sg::File::Mode::ReadWrite);
    ASSERT_TRUE(other.isOpen() && other.tryLockExclusive());

    // The tool, the program's settings save and its history writer, waiting side by side.
    auto tool = std::async(std::launch::async, [&] {
        return run({ "lists", "add-category", "X" });
    });
    auto save = std::async(std::launch::async,
        [&] { return sg::saveSettingsFile(ini(), sg::Settings {}, {}).message; });
    auto visit = std::async(std::launch::async, [&] {
        const sg::FixedClock clock(kToday);
        sg::HistoryWriter writer(m_dir / "History", clock);
        return writer.AddHistoryEntry({ 7, false }, nullptr, "T", "http://a.example/");
    });
    const std::string busy(sg::kDataFolderBusyMessage);
    const ToolRun r = tool.get();
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.substr(0, busy.size()), busy);
    EXPECT_EQ(save.get(), busy);
    EXPECT_EQ(visit.get(), sg::HistoryWrite::Busy);
    EXPECT_EQ(readBytes(lists() / "CatList.dab"), catList);
    EXPECT_EQ(readBytes(ini()), settings);
    EXPECT_FALSE(fs::exists(m_dir / "History" / "SG_12052026.hiz"));
}
