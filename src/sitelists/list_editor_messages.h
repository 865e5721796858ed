#pragma once
// The texts of the list editor window: its captions and the messages and questions it
// shows, exactly as the user sees them. Texts shared with other list operations are in
// sitelist_messages.h.

#include <string_view>

namespace sg::editor_messages {

inline constexpr std::string_view kCaptionPrefix = "Edit Category & Site Selector Lists - ";
inline constexpr std::string_view kNewAddressText = "http://";

// Adding, deleting and renaming. A duplicate address is reported as kAddressExists, a line
// feed and the address.
inline constexpr std::string_view kAddressExists
    = "The URL Address You Entered Is Already On The List:";
inline constexpr std::string_view kConfirmDeleteSites
    = "Deleted The Selected Site(s) From Site List?";
inline constexpr std::string_view kNameOnList
    = "Edit Cancelled: Name Entered Is Already On Your List.";
// A list file changed by another program (the data tool, another copy) since it was shown.
inline constexpr std::string_view kListsChangedElsewhere
    = "Your Lists Were Changed By Another Program And Have Been Reloaded.\n"
      "Please Make Your Change Again.";

// Copying and moving pages; each question is followed by a line feed and the category.
inline constexpr std::string_view kSameCategory
    = "Can't Copy:\nSource And Destination Categories Are The Same";
inline constexpr std::string_view kConfirmCopy = "Confirm: Copy The Selected Sites? ..To:";
inline constexpr std::string_view kConfirmMove = "Confirm: Move The Selected Sites? ..To:";
inline constexpr std::string_view kConfirmHistoryCopy
    = "Confirm: Copy The Selected History Sites..To Category:";
inline constexpr std::string_view kCopyError
    = "An Error Occurred Opening File And Copying List Items";
inline constexpr std::string_view kMoveError
    = "An Error Occurred Opening File And Moving List Items";
inline constexpr std::string_view kHistoryCopyError
    = "An Error Occurred Opening File To Add Item To List";

// Restore and undo. A stuck undo copy is reported as kUndoCopyStuckStart, its full path and
// kUndoCopyStuckEnd.
inline constexpr std::string_view kConfirmRestore
    = "Confirm: Do You Want -Restore- To Replace Your\n"
      "Current Files With the Backed-Up Files Set?\n\n"
      "Note: After A Restore You Can UnDo The Restore\n"
      "By Clicking The -UnDo- Button.";
inline constexpr std::string_view kNothingToRestore
    = "Restore Imposible: There Aren't Any Files In Your Back-Up Dir";
inline constexpr std::string_view kUndoCopyStuckStart
    = "Can Not Restore. An -UnDo- In The Past Errored.\n"
      "Without Closing This Window, Use Explorer\n"
      "File Manager To Delete The Following Directory:\n";
inline constexpr std::string_view kUndoCopyStuckEnd = "\n\nThen Try Again.";
inline constexpr std::string_view kRestoreError = "An Error Occurred Restoring Your SiteLists Dir";
inline constexpr std::string_view kRestoreCaption = "Restore";
inline constexpr std::string_view kUndoCaption = "Undo";
inline constexpr std::string_view kUndoToolTip = "Undo The -Restore-";
inline constexpr std::string_view kUndoImportToolTip = "Undo The -Import-";

// Bookmark files of other browsers.
inline constexpr std::string_view kImportBookmarksCaption = "Import Bookmarks";
inline constexpr std::string_view kExportBookmarksCaption = "Export Bookmarks";
inline constexpr std::string_view kImportBookmarksToolTip
    = "Adds The Folders And Links Of Another Browser's Bookmark File As Categories And Sites";
inline constexpr std::string_view kExportBookmarksToolTip
    = "Saves All Categories And Sites As A Bookmark File Other Browsers Can Import";
inline constexpr std::string_view kLastBackupPrefix = " -Last BU: ";

} // namespace sg::editor_messages
