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
    ViewStatusBar,
    ViewRefresh,
    ViewStop,
    NewBrowserWindow,
    FullScreenWindow,
    HistoryWindow,
    ListWindow,
    KillPopUps,
    KillPopUpsWithBoom,
    SilenceScriptErrors,
    CloseWindow,
    OpenMailProgram,
    CreateNewMail,
    OptionsWindow,
    AboutWindow,
    SuggestionsWindow,
};

// One line of a menu: a command, a separator, or a submenu with its own lines.
struct MenuEntry {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::string_view caption;
    MenuCommand command = MenuCommand::CloseWindow;
    std::optional<MenuItem> check; // the entry shows this check mark
    std::span<const MenuEntry> submenu;
};

// The key names after a run of blanks are part of a caption; the entries have no shortcut
// keys of their own (the window's keys are its own).
std::span<const MenuEntry> mainMenu();
std::span<const MenuEntry> mailMenu();

} // namespace sg
