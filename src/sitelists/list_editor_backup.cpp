// Back-up, restore and undo of the list files from the list editor. Restore and undo
// replace the files of SiteLists as a whole set (see file_set.h), so SiteLists holds either
// the files it had or the new ones at every moment, and the undo copy is complete before
// SiteLists changes.
#include "common/data_lock.h"
#include "common/file_io.h"
#include "sitelists/file_set.h"
#include "sitelists/list_backup.h"
#include "sitelists/list_editor.h"
#include "sitelists/list_editor_messages.h"
#include "sitelists/list_files.h"
#include "sitelists/sitelist_messages.h"

#include <cerrno>
#include <cstdio>

namespace sg {

namespace msg = sitelist_messages;
namespace emsg = editor_messages;

namespace {

constexpr std::string_view kUndoDirName = "UnDo_SiteLists";

} // namespace

std::string generalDateText(const LocalDateTime& t)
{
    char text[48];
    if (t.hour == 0 && t.minute == 0 && t.second == 0) {
        std::snprintf(text, sizeof text, "%d/%d/%d", t.month, t.day, t.year);
    } else {
        const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
        std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d:%02d %s", t.month, t.day, t.year, hour12,
            t.minute, t.second, t.hour < 12 ? "AM" : "PM");
    }
    return text;
}

std::string lastBackupSuffix(double lastBackupTime, const LocalDateTime& now)
{
    LocalDateTime tenYearsAgo = now;
    tenYearsAgo.year -= 10;
    if (tenYearsAgo.month == 2 && tenYearsAgo.day == 29)
        tenYearsAgo.day = 28;
    const LocalDateTime last = fromOleDate(lastBackupTime);
    if (last < tenYearsAgo)
        return {};
    return std::string(emsg::kLastBackupPrefix) + generalDateText(last);
}

std::string ListEditor::lastBackupSuffix() const
{
    return sg::lastBackupSuffix(m_env.settings.LastBackupTime, m_env.clock.now());
}

void ListEditor::setBackupToolTips()
{
    const std::string suffix = toolTipsOn() ? lastBackupSuffix() : std::string();
    m_view.control(EditorControl::BackupButton).toolTip = toolTip(ToolTip::EditorBackup) + suffix;
    setRestoreCaption(m_view.undoPending);
}

void ListEditor::setRestoreCaption(bool undo)
{
    EditorControlState& button = m_view.control(EditorControl::RestoreButton);
    button.caption = undo ? emsg::kUndoCaption : emsg::kRestoreCaption;
    // An import can be undone with back-ups switched off too.
    button.enabled = undo || m_env.settings.EditorBackupEnabled != 0;
    if (!toolTipsOn())
        button.toolTip.clear();
    else if (undo)
        button.toolTip = m_undoToolTip.empty() ? emsg::kUndoToolTip : m_undoToolTip;
    else
        button.toolTip = toolTip(ToolTip::EditorRestore) + lastBackupSuffix();
}

void ListEditor::backUp()
{
    if (!m_view.control(EditorControl::BackupButton).enabled
        || !ask(std::string(msg::kConfirmBackUp)))
        return;
    const auto result = backUpSiteLists(m_env.userDataDir);
    if (!result.ok()) {
        tell(result.message);
        return;
    }
    m_env.settings.LastBackupTime = toOleDate(m_env.clock.now());
    setBackupToolTips();
}

void ListEditor::restoreOrUndo()
{
    if (!m_view.control(EditorControl::RestoreButton).enabled)
        return;
    if (m_view.undoPending) {
        undo();
    } else if (ask(std::string(emsg::kConfirmRestore))) {
        restore();
    }
}

bool ListEditor::restore()
{
    const DataLock lock(m_env.userDataDir);
    if (!lock) {
        tell(std::string(lock.message()));
        return false;
    }
    const auto backupFiles = fileSetNames(m_env.userDataDir / kBackupDirName);
    if (backupFiles && backupFiles->empty()) {
        tell(std::string(emsg::kNothingToRestore));
        return false;
    }
    if (!backupFiles) {
        // A back-up folder that cannot be listed whole changes nothing.
        tell(std::string(emsg::kRestoreError));
        SyncLists(4 + 8);
        return false;
    }
    const auto undoDir = m_env.userDataDir / kUndoDirName;
    if (DirMissing(undoDir) != ENOENT && !removeFolderAndFiles(undoDir)) {
        tell(std::string(emsg::kUndoCopyStuckStart) + undoDir.string()
            + std::string(emsg::kUndoCopyStuckEnd));
        return false;
    }
    // The undo copy is whole before SiteLists changes; SiteLists then takes the back-up
    // set in one step, or stays as it was.
    const auto lists = siteListsDir(m_env.userDataDir);
    const bool done = replaceFileSet(lists, undoDir)
        && replaceFileSet(m_env.userDataDir / kBackupDirName, lists);
    m_view.undoPending = done;
    m_undoToolTip = emsg::kUndoToolTip;
    if (!done)
        removeFolderAndFiles(undoDir);
    setRestoreCaption(done);
    if (!done)
        tell(std::string(emsg::kRestoreError));
    SyncLists(4 + 8);
    return done;
}

void ListEditor::undo()
{
    const DataLock lock(m_env.userDataDir);
    if (!lock) {
        tell(std::string(lock.message()));
        return;
    }
    const auto undoDir = m_env.userDataDir / kUndoDirName;
    // A vanished undo copy must not empty SiteLists: there is then nothing to undo.
    const bool copyThere = DirMissing(undoDir) == 0;
    const bool done = copyThere && replaceFileSet(undoDir, siteListsDir(m_env.userDataDir));
    if (done)
        removeFolderAndFiles(undoDir);
    // A failed undo keeps its caption: a restore in its place would drop the undo copy.
    m_view.undoPending = copyThere && !done;
    setRestoreCaption(m_view.undoPending);
    if (!done)
        tell(std::string(emsg::kRestoreError));
    SyncLists(4 + 8);
}

bool ListEditor::takeUndoSnapshot()
{
    if (m_view.undoPending)
        return true; // undo goes back to before the earlier change, this one included
    const auto undoDir = m_env.userDataDir / kUndoDirName;
    // A copy left by a program that ended without its undo is stale.
    if (DirMissing(undoDir) != ENOENT && !removeFolderAndFiles(undoDir))
        return false;
    if (!replaceFileSet(siteListsDir(m_env.userDataDir), undoDir)) {
        removeFolderAndFiles(undoDir);
        return false;
    }
    m_view.undoPending = true;
    return true;
}

void ListEditor::RemoveUndoCopy()
{
    if (!m_view.undoPending)
        return;
    removeFolderAndFiles(m_env.userDataDir / kUndoDirName);
    m_view.undoPending = false;
    setRestoreCaption(false);
}

} // namespace sg
