// Import of another browser's bookmark file into the lists, and export of the lists as one,
// from the list editor.
#include "common/data_lock.h"
#include "sitelists/bookmark_transfer.h"
#include "sitelists/list_editor.h"
#include "sitelists/list_editor_messages.h"

namespace sg {

namespace emsg = editor_messages;

void ListEditor::importBookmarkFile(const std::filesystem::path& file)
{
    ListResult<BookmarkImportCounts> result;
    {
        const DataLock lock(m_env.userDataDir);
        if (!lock) {
            tell(std::string(lock.message()));
            return;
        }
        const bool undoWasPending = m_view.undoPending;
        if (!takeUndoSnapshot()) {
            tell(std::string(kBookmarkImportError));
            return;
        }
        result = importBookmarks(m_env.userDataDir, file);
        // A file that was not read, or not taken as bookmarks, changed nothing.
        const bool written = result.ok() || result.message == kBookmarkImportError;
        if (!undoWasPending) {
            if (written) {
                m_undoToolTip = emsg::kUndoImportToolTip;
            } else {
                RemoveUndoCopy();
            }
        }
    }
    setRestoreCaption(m_view.undoPending);
    SyncLists(4 + 8);
    tell(result.ok() ? bookmarkImportSummary(result.value) : result.message);
}

void ListEditor::exportBookmarkFile(const std::filesystem::path& file)
{
    const auto result = exportBookmarks(m_env.userDataDir, file);
    tell(result.ok() ? bookmarkExportSummary(result.value) : result.message);
}

} // namespace sg
