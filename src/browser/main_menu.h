#pragma once
// The main window's two pop-up menus as a tree: the main menu the Menu button opens and the
// mail menu of the second cycle button. The window builds its menus from these tables and
// hands each chosen command to its logic.

#include "browser/main_window_view.h"

#include <optional>
#include <span>
#include <string_view>

namespace sg {

enum class MenuCommand {
    OpenFile,
    SavePageAs,
    SelectAll,
    FindOnPage,
    PrintPage,
    ViewStatusBar,
    ViewRefresh,
    ViewStop,
    ChooseListFont,
    TextSmallest,
    TextSmaller,
    TextMedium,
    TextLarger,
    TextLargest,
    OptionsWindow,
    NetworkSettings,
    NewBrowserWindow,
    FullScreenWindow,
    CategorySlideshow,
    HistoryWindow,
    ListWindow,
    KillPopUps,
    KillPopUpsWithBoom,
    SilenceScriptErrors,
    OpenFavorite,
    StartMessenger,
    OpenMailProgram,
    CreateNewMail,
    StartMailChecker,
    HelpPage,
    AboutWindow,
    SuggestionsWindow,
    PageProperties,
    WorkOffline,
    CloseWindow,
};

// One line of a menu: a command, a separator, or a submenu with its own lines.
struct MenuEntry {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::string_view caption;
    MenuCommand command = MenuCommand::CloseWindow;
    std::optional<MenuItem> check; // the entry shows this check mark
    std::span<const MenuEntry> submenu;
    // The caption follows the settings (the one above is the default's).
    std::optional<LauncherCaption> launcher;
    // A submenu whose checked entries are one group: checking one unchecks the others.
    bool exclusive = false;
};

// The key names after a run of blanks are part of a caption; the entries have no shortcut
// keys of their own (the window's keys are its own).
std::span<const MenuEntry> mainMenu();
std::span<const MenuEntry> mailMenu();

// A caption split before the key name at its end ("&Refresh" and "F5"); keyName is empty
// when the caption ends in no key name.
struct CaptionParts {
    std::string_view text;
    std::string_view keyName;
};
CaptionParts captionParts(std::string_view caption);

} // namespace sg
