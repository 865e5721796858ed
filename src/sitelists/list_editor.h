#pragma once
// The list editor's logic (the window paints view() and forwards each event here in
// one call): it shows the categories and the pages of the selected one, and adds, renames,
// deletes, reorders, sorts, copies, moves, backs up, restores and imports them. Every
// change is written to the list files before the call returns, holding the data folder's
// lock, and only over files that still hold what the editor's rows were read from: a list
// that another program changed meanwhile is read again and the user told, never written
// over.

#include "common/date_time.h"
#include "settings/settings.h"
#include "settings/tool_tips.h"
#include "sitelists/list_editor_prompter.h"
#include "sitelists/list_editor_view.h"
#include "sitelists/list_files.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// What the editor reads and changes outside itself; all of it outlives the editor.
struct ListEditorEnvironment {
    std::filesystem::path userDataDir;
    Settings& settings;
    const ToolTipTexts& toolTips;
    const Clock& clock;
    ListEditorPrompter& prompter;
    bool& ModalWindowOpen;
    bool& HistoryHandOff; // the History window opened the editor
    std::string FavoritesDir;
    std::string ListEditorPageTitle; // the page the main window showed
    std::string ListEditorPageUrl;
};

// One selected row of the History window's visible list.
struct HistoryHandOffRow {
    std::string title;
    std::string address;
};

enum class EditorWindowState { Normal, Minimized, Maximized };

// What the window reports when it closes.
struct EditorClosing {
    EditorWindowState state = EditorWindowState::Normal;
    double widthTwips = 0;
    double heightTwips = 0;
    std::array<int, 4> columnWidthsPx {}; // site name, address, category name, file name
};

struct EditorListHeights {
    double categoriesTwips = 0;
    double sitesTwips = 0;
};

inline constexpr double kEditorMinWidth = 8700;
inline constexpr double kEditorMinHeight = 5250;

class ListEditor {
public:
    explicit ListEditor(ListEditorEnvironment env);

    const ListEditorView& view() const { return m_view; }
    // Full path of the shown site list file; empty when there is no category.
    std::filesystem::path currentSitePath() const;

    // Opening: flags, caption, enabled and shown buttons, the lists and the tool tips.
    void open();
    // The window's first size, from EditorWidth and EditorHeight (twips).
    std::array<double, 2> storedWindowSize() const;
    // Column widths in pixels for lists of these widths, defaults for stored widths that
    // are unset (see EditorColumnWidths).
    std::array<int, 4> columnWidthsPx(
        double siteListWidthTwips, double categoryListWidthTwips) const;

    // Writes and re-reads the lists: 1 CatList.dab from the category list, 2 the shown site
    // list file from the site list, 4 reload the categories, 8 reload the pages. A non-empty
    // editedName stands for the selected row's name in what flags 1 and 2 write.
    bool SyncLists(int flags, std::string_view editedName = {});
    bool LoadEditorLists();
    void UpdateListToolTips();
    void ApplyEditorToolTips();

    // Buttons.
    void addCategory(std::string_view text); // with the category name box's text
    void addAddress(std::string_view text); // with the address box's text
    void addMainWindowPage();
    void deleteSelectedSites();
    void deleteSelectedCategory();
    void addHistoryItems(std::span<const HistoryHandOffRow> selectedRows);
    void backUp();
    void restoreOrUndo(); // by the button's caption
    // the folder the file dialog starts in ("" for the dialog's own choice), or
    // nullopt when no dialog is to be shown.
    std::optional<std::string> beginImport();
    // The files chosen in that dialog, in the order it returned them; none when cancelled.
    void importFavorites(std::span<const std::filesystem::path> files);
    // A browser's bookmark file (chosen in a file dialog): its folders become categories
    // and its links their pages. The lists as they were become the undo copy first (unless
    // an earlier restore's copy is pending), so that Undo takes the import back.
    void importBookmarkFile(const std::filesystem::path& file);
    // Every category and its pages written to a bookmark file other browsers can import.
    void exportBookmarkFile(const std::filesystem::path& file);
    void lowerSplit();
    void raiseSplit();

    // Lists and menu.
    void clickCategory(std::size_t row);
    void selectSites(const std::vector<std::size_t>& rows, std::optional<std::size_t> current);
    void selectDestination(std::optional<std::size_t> row);
    // The end of an edit in place of the list's selected row; false cancels the edit.
    bool renameInPlace(EditorList list, std::string_view newText);
    void openPopupMenu(EditorList list);
    void moveUp();
    void moveDown();
    void moveToTop();
    void moveToBottom();
    void sortAscending();
    void sortDescending();
    void onSortTimer();
    void deleteSelected();
    void moveSelectedSites();
    void copySelectedSites();
    void selectAll();

    // Window.
    // The size the window takes after a resize to this size (twips); stores it when normal.
    std::array<double, 2> onResize(EditorWindowState state, double widthTwips, double heightTwips);
    // The heights of the two lists in this inner height; may adjust SplitRatio.
    EditorListHeights layoutLists(double innerHeightTwips);
    // True when the key closes the window (Esc).
    bool closesOnKey(int charCode) const { return charCode == 27; }
    // Removes the undo copy, stores sizes, clears the shared flags.
    void close(const EditorClosing& closing);

    // RemoveUndoCopy: when undo is pending, UnDo_SiteLists and its files go.
    void RemoveUndoCopy();

private:
    enum class Place { Up, Down, Top, Bottom };
    enum class Order { Ascending, Descending };

    void tell(const std::string& text) { m_env.prompter.tell(text); }
    bool ask(const std::string& text) { return m_env.prompter.ask(text); }
    bool toolTipsOn() const { return m_env.settings.ToolTipsOff == 0; }
    bool warningsOn() const { return m_env.settings.DeleteWarningsOff == 0; }
    std::string toolTip(ToolTip entry) const;
    std::string lastBackupSuffix() const;
    void setBackupToolTips();
    void setRestoreCaption(bool undo);

    bool saveCategoryRows(std::string_view editedName);
    bool saveSiteRows(std::string_view editedName);
    // With the lock held: whether CatList.dab (flag 1) and the shown site list file (flag 2)
    // still hold what the rows were read from or last wrote. When not, both lists are read
    // again, the user is told and false is returned.
    bool filesAsSeen(int flags);
    bool reloadCategories();
    bool reloadSites();
    void fillSites(std::vector<EditorRow> rows);
    void appendSiteRow(EditorRow row);
    // Removes these rows (ascending); the row after the first removed becomes the current.
    void eraseSites(const std::vector<std::size_t>& rows);
    void selectCategory(std::optional<std::size_t> row);

    void move(Place place);
    void sort(Order order);
    void transferSites(bool removeFromSource);
    bool restore();
    void undo();
    // With the lock held: the set of SiteLists copied as the undo copy (undo pending); true
    // when it was made, or when an undo copy is pending already and stays.
    bool takeUndoSnapshot();

    ListEditorEnvironment m_env;
    ListEditorView m_view;
    // A list file that could not be read: its (empty) rows are never written over it.
    bool m_categoriesUnread = false;
    bool m_sitesUnread = false;
    // What the list files held when the rows were read or last written.
    std::vector<Category> m_categoriesSeen;
    std::vector<SiteRecord> m_sitesSeen;
    // Set when the lists were read again because another program had changed them, so that
    // a caller does not undo its change on rows that are no longer its own.
    bool m_reloadedAfterChange = false;
    // What the pending undo takes back: a restore or an import.
    std::string_view m_undoToolTip;
};

// " -Last BU: " and the time in the general date format; "" when the time lies more than
// ten years before now.
std::string lastBackupSuffix(double lastBackupTime, const LocalDateTime& now);
// The general date format: "M/D/YYYY h:mm:ss AM" ("M/D/YYYY" alone at midnight).
std::string generalDateText(const LocalDateTime& t);

} // namespace sg
