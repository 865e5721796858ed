#pragma once
// What the list editor window paints, as its logic keeps it: the two lists and the
// destination selector, their selection, the captions, tool tips, enabled and shown states
// of the controls and of the pop-up menu, and the layout values. Rows are counted from 0.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// The values PopupList and SortedList take.
enum class EditorList : std::int16_t { None = 0, Sites = 1, Categories = 2 };

// One row of either list: the name (edited in place) and the second column, the page's
// address or the category's site list file name ("Ref. Site Filename").
struct EditorRow {
    std::string name;
    std::string second;

    bool operator==(const EditorRow&) const = default;
};

std::ostream& operator<<(std::ostream& out, const EditorRow& row);

// The controls whose state the logic sets.
enum class EditorControl {
    AddPageButton, // adds the main window's page
    DeleteSitesButton,
    AddCategoryButton,
    DeleteCategoryButton,
    AddAddressButton,
    SplitUpButton, // moves the split between the lists up
    SplitDownButton,
    ImportFavoritesButton,
    BackupButton,
    RestoreButton,
    AddHistoryItemsButton, // adds the History window's selected rows
    ImportBookmarksButton, // a browser's bookmark file into the lists
    ExportBookmarksButton, // the lists as a bookmark file
    CategoryNameBox,
    AddressBox,
    DestinationChooser, // the category that Move To / Copy To use
    SiteList,
    CategoryList,
};
inline constexpr std::size_t kEditorControlCount = 18;

struct EditorControlState {
    std::string caption; // buttons; the text of the two boxes
    std::string toolTip; // "" for none
    bool enabled = true;
    bool visible = true;

    bool operator==(const EditorControlState&) const = default;
};

// The pop-up menu in menu order (the two separators are the window's own).
enum class EditorMenuItem {
    MoveUp,
    MoveDown,
    MoveToTop,
    MoveToBottom,
    SortAscending,
    SortDescending,
    Delete,
    MoveToCategory,
    CopyToCategory,
    SelectAll,
};
inline constexpr std::size_t kEditorMenuItemCount = 10;

std::string_view editorMenuCaption(EditorMenuItem item);

// Column headers: site list then category list.
inline constexpr std::array<std::string_view, 4> kEditorColumnHeaders
    = { "Site Name", "URL", "Category Name", "Ref. Site Filename" };

struct EditorListFont {
    std::string name;
    double size = 0;
    bool bold = false;

    bool operator==(const EditorListFont&) const = default;
};

struct ListEditorView {
    std::string caption;
    EditorListFont font;

    // The category list; the destination chooser holds the same names in the same order.
    std::vector<EditorRow> categories;
    std::optional<std::size_t> selectedCategory;
    std::optional<std::size_t> destination; // the row selected in the destination chooser

    // ListView(1): several rows may be selected; currentSite is the list's selected item
    // (the one that moves, is renamed and gives the tool tip).
    std::vector<EditorRow> sites;
    std::vector<bool> siteSelected;
    std::optional<std::size_t> currentSite;
    int scrollToLastSite = 0; // raised by each import: the window shows the last row

    std::array<EditorControlState, kEditorControlCount> controls {};
    std::array<bool, kEditorMenuItemCount> menuEnabled {};

    std::string CurrentSiteFile; // file name of the shown site list; "" when none
    EditorList PopupList = EditorList::None;
    EditorList SortedList = EditorList::None;
    bool sortTimerRunning = false; // the one-second timer that ends a sort
    double SplitRatio = 0.5;
    bool EditorLoaded = false;
    bool undoPending = false;
    std::string favoritesFolder;

    EditorControlState& control(EditorControl c) { return controls[static_cast<std::size_t>(c)]; }
    const EditorControlState& control(EditorControl c) const
    {
        return controls[static_cast<std::size_t>(c)];
    }
    bool menuItemEnabled(EditorMenuItem item) const
    {
        return menuEnabled[static_cast<std::size_t>(item)];
    }
    // The indexes of the selected site rows, in order.
    std::vector<std::size_t> selectedSites() const;
};

} // namespace sg
