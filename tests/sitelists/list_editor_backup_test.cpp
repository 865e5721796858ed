// Back-up, restore and undo, the shortcut import, tool tips and layout of the list editor.
#include "list_editor_fixture.h"
#include "support/child_process.h"

#include <functional>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

const std::string kConfirmRestore = "YN: Confirm: Do You Want -Restore- To Replace Your\n"
                                    "Current Files With the Backed-Up Files Set?\n\n"
                                    "Note: After A Restore You Can UnDo The Restore\n"
                                    "By Clicking The -UnDo- Button.";

class ListEditorBackup : public ListEditorTest {
protected:
    void SetUp() override
    {
        ListEditorTest::SetUp();
        writeLists({ { "Now", { { "Current", "http://now" } } } });
        m_current = treeOf(lists());
        fs::remove_all(backupDir());
        fs::create_directory(backupDir());
        m_backup = { { "CatList.dab", categoryBytes("Then", 1) + categoryBytes("Also", 2) },
            { "Sites00001.dab", siteBytes("Old", "http://then") }, { "Sites00002.dab", {} } };
        for (const auto& [name, bytes] : m_backup)
            writeBytes(backupDir() / name, bytes);
    }
    const EditorControlState& restoreButton() const
    {
        return view().control(EditorControl::RestoreButton);
    }
    Tree m_current;
    Tree m_backup;
};

} // namespace

TEST_F(ListEditorBackup, RestoreThenUndoGivesBackExactlyTheOldFiles)
{
    open();
    editor().restoreOrUndo();
    EXPECT_EQ(treeOf(lists()), m_backup);
    EXPECT_EQ(treeOf(undoDir()), m_current);
    EXPECT_EQ(siteNames(), Strings { "Old" });
    EXPECT_EQ(restoreButton().caption + restoreButton().toolTip, "UndoUndo The -Restore-");

    editor().restoreOrUndo(); // no question for an undo
    EXPECT_EQ(treeOf(lists()), m_current);
    EXPECT_FALSE(fs::exists(undoDir()));
    EXPECT_EQ(restoreButton().caption, "Restore");
    EXPECT_EQ(siteNames(), Strings { "Current" });
    EXPECT_EQ(treeOf(backupDir()), m_backup);
    EXPECT_EQ(prompter.shown, (Strings { kConfirmRestore }));

    // Closing after a restore keeps the restored files and drops the undo copy.
    editor().restoreOrUndo();
    editor().close({});
    EXPECT_EQ(treeOf(lists()), m_backup);
    EXPECT_FALSE(fs::exists(undoDir()));
}

TEST_F(ListEditorBackup, RestoreStopsWithoutChangingTheFiles)
{
    // What goes wrong, the answer to the question, and the message that ends it.
    const std::tuple<const char*, std::function<void()>, bool, std::string> cases[] = {
        { "answered No", [] {}, false, kConfirmRestore },
        { "empty back-up", [this] { fs::remove_all(backupDir()); }, true,
            "OK: Restore Imposible: There Aren't Any Files In Your Back-Up Dir" },
        { "stuck undo copy", [this] { fs::create_directories(undoDir() / "sub"); }, true,
            "OK: Can Not Restore. An -UnDo- In The Past Errored.\nWithout Closing This Window, "
            "Use Explorer\nFile Manager To Delete The Following Directory:\n"
                + undoDir().string() + "\n\nThen Try Again." },
        { "copy fails", [this] { writeBytes(backupDir() / "Big.dab", filled(5000, 'b')); }, true,
            "OK: An Error Occurred Restoring Your SiteLists Dir" },
    };
    for (const auto& [what, prepare, answer, message] : cases) {
        SetUp();
        prepare();
        prompter.shown.clear();
        prompter.answers = { answer };
        open();
        {
            FileSizeLimit limit(4000); // the back-up's Big.dab cannot be copied
            editor().restoreOrUndo();
        }
        EXPECT_EQ(treeOf(lists()), m_current) << what;
        EXPECT_EQ(restoreButton().caption, "Restore") << what;
        EXPECT_EQ(prompter.shown.back(), message) << what;
        EXPECT_EQ(fs::exists(undoDir()), std::string(what) == "stuck undo copy") << what;
        fs::remove_all(undoDir());
    }
}

TEST_F(ListEditorBackup, AFailedUndoKeepsTheUndoCaptionAndCopy)
{
    writeBytes(lists() / "Big.dab", filled(5000, 'b'));
    m_current = treeOf(lists());
    open();
    editor().restoreOrUndo();
    {
        FileSizeLimit limit(4000); // Big.dab cannot come back
        editor().restoreOrUndo();
    }
    EXPECT_EQ(treeOf(lists()), m_backup);
    EXPECT_EQ(restoreButton().caption, "Undo");
    EXPECT_EQ(prompter.shown.back(), "OK: An Error Occurred Restoring Your SiteLists Dir");
    editor().restoreOrUndo();
    EXPECT_EQ(treeOf(lists()), m_current);
    EXPECT_FALSE(fs::exists(undoDir()));
}

TEST_F(ListEditorBackup, BookmarkImportIsUndoneLikeARestoreWithBackUpsOff)
{
    settings.EditorBackupEnabled = 0;
    open();
    writeBytes(m_dir / "notes.html", bytesOf("<html>no bookmarks</html>"));
    editor().importBookmarkFile(m_dir / "notes.html");
    EXPECT_EQ(prompter.shown, (Strings { "OK: The File Is Not A Bookmark File." }));
    EXPECT_FALSE(fs::exists(undoDir()));
    EXPECT_FALSE(restoreButton().enabled);

    const fs::path firefox
        = fs::path(SKYGLASS_SOURCE_DIR) / "tests/sitelists/data/firefox_bookmarks.html";
    editor().importBookmarkFile(firefox);
    EXPECT_EQ(treeOf(undoDir()), m_current);
    EXPECT_TRUE(restoreButton().enabled);
    EXPECT_EQ(restoreButton().toolTip, "Undo The -Import-");

    // A second import keeps the copy from before the first: Undo takes both back.
    editor().importBookmarkFile(firefox);
    editor().restoreOrUndo();
    EXPECT_EQ(treeOf(lists()), m_current);
    EXPECT_EQ(view().categories.size(), 1u);
    EXPECT_FALSE(restoreButton().enabled);
}

TEST_F(ListEditorBackup, AFolderThatCannotBeReadIsReportedAndChangesNothing)
{
    // Back-up, restore and undo walk folders; reading one fails (EIO) in the child process.
    open();
    const auto failingReads = [this](const std::function<bool()>& check) {
        return runWithFailingSyscall(SYS_getdents64, EIO, check);
    };
    EXPECT_TRUE(failingReads([this] {
        editor().backUp();
        editor().restoreOrUndo();
        return prompter.shown
            == Strings { "YN: Confirm: Do You Want To Back-Up Your Files?",
                   "OK: An Error Occurred Backing-Up Your  SiteLists Dir", kConfirmRestore,
                   "OK: An Error Occurred Restoring Your SiteLists Dir" }
        && view().control(EditorControl::RestoreButton).caption == "Restore";
    }));
    EXPECT_EQ(treeOf(lists()), m_current);
    EXPECT_EQ(treeOf(backupDir()), m_backup);
    EXPECT_FALSE(fs::exists(undoDir()));

    editor().restoreOrUndo();
    prompter.shown.clear();
    EXPECT_TRUE(failingReads([this] {
        editor().restoreOrUndo();
        return prompter.shown == Strings { "OK: An Error Occurred Restoring Your SiteLists Dir" }
        && view().control(EditorControl::RestoreButton).caption == "Undo";
    }));
    EXPECT_EQ(treeOf(lists()), m_backup);
    EXPECT_EQ(treeOf(undoDir()), m_current);
}

TEST_F(ListEditorBackup, BackUpReplacesTheSetAndDatesTheRestoreToolTip)
{
    open();
    const std::string restoreTip
        = "Restore - Replaces Your Current Category And Site List Files With The Back-Up Copies";
    EXPECT_EQ(restoreButton().toolTip, restoreTip); // never backed up: no suffix
    editor().backUp();
    EXPECT_EQ(treeOf(backupDir()), m_current); // Sites00002.dab is gone
    EXPECT_EQ(fromOleDate(settings.LastBackupTime), clock.now());
    EXPECT_EQ(restoreButton().toolTip, restoreTip + " -Last BU: 12/5/2026 3:04:05 PM");
    EXPECT_EQ(prompter.shown, Strings { "YN: Confirm: Do You Want To Back-Up Your Files?" });
}

TEST_F(ListEditorBackup, ToolTipsAndBackupButtonsFollowTheSettings)
{
    settings.ToolTipsOff = 1;
    settings.EditorBackupEnabled = 0;
    open();
    for (const EditorControlState& control : view().controls)
        EXPECT_EQ(control.toolTip, "");
    EXPECT_FALSE(view().control(EditorControl::BackupButton).enabled);
    EXPECT_FALSE(restoreButton().enabled);
    editor().backUp();
    editor().restoreOrUndo();
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(LastBackupSuffix, IsLeftOutForTimesMoreThanTenYearsAgo)
{
    const LocalDateTime now { 2026, 12, 5, 15, 4, 5 };
    EXPECT_EQ(lastBackupSuffix(0, now), "");
    EXPECT_EQ(lastBackupSuffix(toOleDate({ 2016, 12, 5, 15, 4, 4 }), now), "");
    EXPECT_EQ(lastBackupSuffix(toOleDate({ 2016, 12, 5, 15, 4, 5 }), now),
        " -Last BU: 12/5/2016 3:04:05 PM");
    EXPECT_EQ(generalDateText({ 2026, 1, 2, 0, 5, 9 }), "1/2/2026 12:05:09 AM");
}

TEST_F(ListEditorBackup, ImportAppendsShortcutsInReverseAndRemembersTheFolder)
{
    const fs::path folder = m_dir / "Favs";
    fs::create_directory(folder);
    const auto shortcut = [&](const std::string& name, const std::string& content) {
        writeBytes(folder / name, bytesOf(content));
        return folder / name;
    };
    const std::string head = "[DEFAULT]\r\nBASEURL=x\r\n[internetshortcut]\r\nurl=";
    const std::vector<fs::path> files = { shortcut("A.url", head + "http://A\r\n"),
        shortcut("B.URL", head + "http://B\r\n"), shortcut("Skip.url", head + "http://none"),
        shortcut("C.Url", head + "http://C\r\n"), shortcut("Current.url", head + "http://c2\r\n") };
    open();
    EXPECT_EQ(editor().beginImport(), "/favs");
    editor().importFavorites(files);
    EXPECT_EQ(readBytes(siteFile(1)),
        pagesBytes({ { "Current", "http://now" }, { "Current(1)", "http://c2" },
            { "C", "http://C" }, { "B", "http://B" }, { "A", "http://A" } }));
    EXPECT_EQ(editor().beginImport(), folder.string());
    EXPECT_EQ(view().scrollToLastSite, 1);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListEditorBackup, LayoutKeepsTheListsAndTheWindowAtTheirLeast)
{
    settings.EditorColumnWidths = { 0, -1, 1500, -1 };
    open();
    EXPECT_EQ(editor().columnWidthsPx(3300, 4800), (std::array<int, 4> { 100, 100, 100, 100 }));
    settings.EditorColumnWidths[3] = 0; // a hidden file name column stays hidden
    EXPECT_EQ(editor().columnWidthsPx(3300, 4800)[3], 0);

    for (int i = 0; i < 5; ++i)
        editor().lowerSplit();
    EXPECT_DOUBLE_EQ(view().SplitRatio, 0.2);
    const EditorListHeights heights = editor().layoutLists(1545 + 5000);
    EXPECT_DOUBLE_EQ(heights.categoriesTwips, 1260);
    EXPECT_DOUBLE_EQ(heights.sitesTwips, 3740);

    EXPECT_EQ(editor().onResize(EditorWindowState::Normal, 100, 9000),
        (std::array<double, 2> { 8700, 9000 }));
    EXPECT_EQ(settings.EditorHeight, 9000);
    EXPECT_EQ(editor().onResize(EditorWindowState::Minimized, 100, 100),
        (std::array<double, 2> { 100, 100 }));
    EXPECT_EQ(settings.EditorWidth, 8700);
}
