#pragma once
// The texts the site list operations report, exactly as the user sees them.

#include <string_view>

namespace sg::sitelist_messages {

// Reading and writing the list files from the list editor.
inline constexpr std::string_view kLoadingCategorySelectorError
    = "An Error Occurred Opening File And Loading Category Selector List";
inline constexpr std::string_view kGettingNewFilenameError
    = "An Error Occurred Opening Files And Getting New Filename";
inline constexpr std::string_view kLoadingListsError
    = "An Error Occurred Opening File And Loading Lists";

// Adding and deleting categories in the list editor. A duplicate name is reported as
// kCategoryExists, a line feed and the name.
inline constexpr std::string_view kCategoryExists = "You Already Have A Category Named:";
inline constexpr std::string_view kAddingCategoryError
    = "An Error Occurred Opening File Or Adding Category To List";
inline constexpr std::string_view kConfirmDeleteCategory
    = "Deleted The Selected Category And Its Site List?";
inline constexpr std::string_view kCreateCategoryFirst
    = "First, Create At Least One Category Before Adding The Page.";

// Back-up of the list files ("two spaces before SiteLists" is the text as shown).
inline constexpr std::string_view kConfirmBackUp = "Confirm: Do You Want To Back-Up Your Files?";
inline constexpr std::string_view kNothingToBackUp
    = "There Aren't Any Files To Back-Up In Your SiteLists Dir";
inline constexpr std::string_view kBackUpError = "An Error Occurred Backing-Up Your  SiteLists Dir";

// Import of Internet shortcut favourites.
inline constexpr std::string_view kFavoritesError
    = "An Error Occurred Accessing Internet Explorer Favorites.";

// Adding the shown page from the full-screen window.
inline constexpr std::string_view kNoCategoriesExist = "Can't Add Page. No Categories Exist.";
inline constexpr std::string_view kChooserEmpty = "No Categories Exist, Click The -List- Button\n"
                                                  "To Open Edit Window And Create A Category.";
inline constexpr std::string_view kNoCategorySelected
    = "Can't Add Page. No Category Is Currently Selected.";
inline constexpr std::string_view kCategoryNameNull = "Can't Add Page. Category Name Was Null";
inline constexpr std::string_view kAddPageError = "Can't Add Page. An Error Occurred";
inline constexpr std::string_view kNotACategory = "Can't Add Page. Selected Item Is Not A Category";
inline constexpr std::string_view kOpeningCategoriesForPageError
    = "An Error Occurred Opening File And Adding Page";
inline constexpr std::string_view kAddPageFileError = "Can't Add Page. File Error Occurred";

} // namespace sg::sitelist_messages
