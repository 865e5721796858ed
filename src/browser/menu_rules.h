#pragma once
// The rules behind the main menu's entries: the folder "&Open" remembers, the list font the
// font dialog starts from and what it keeps, the text sizes, the file dialogs' filters, the
// help page, the mail-checker add-in and the launcher captions.

#include "browser/main_menu.h"
#include "browser/main_window_view.h"
#include "settings/settings.h"
#include "startup/startup_sequence.h"

#include <filesystem>
#include <optional>
#include <string>

namespace sg {

// The folder of an opened file, without a trailing "/"; a file in "/" gives "/".
std::string folderOfOpenedFile(const std::string& path);

// The font dialog starts from the list font, or Arial 9 where none is set.
ListFont listFontDialogStart(const Settings& s);
// A chosen size above 12.25 points becomes 12: the lists and boxes have no room for more.
ListFont cappedListFont(ListFont chosen);

// Text sizes 0 (smallest) .. 4 (largest), 2 being the page's own size.
inline constexpr int kMediumTextSize = 2;
std::optional<int> textSizeOf(MenuCommand command);
MenuItem textSizeItem(int size);

// The filters of "&Open" and of the favourites entry.
FileChoice openFileChoice(const std::string& lastOpenFolder);
FileChoice favoriteFileChoice(const std::string& favoritesDir);

// The help page beside the program, and the message when it is missing.
std::filesystem::path helpPagePath(const AppPaths& paths);
std::string helpPageMissingText();

// The mail-checker add-in: expected in a folder beside the program's folder.
std::filesystem::path mailCheckerPath(const AppPaths& paths);
extern const std::string_view kMailCheckerMissingText;

// "&" + the caption the settings give the program.
std::string launcherCaptionText(const Settings& s, LauncherCaption launcher);

} // namespace sg
