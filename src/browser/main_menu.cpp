#include "browser/main_menu.h"

namespace sg {
namespace {

using K = MenuEntry::Kind;
using C = MenuCommand;

constexpr MenuEntry command(std::string_view caption, MenuCommand c)
{
    return { K::Command, caption, c, std::nullopt, {} };
}

constexpr MenuEntry checked(std::string_view caption, MenuCommand c, MenuItem mark)
{
    return { K::Command, caption, c, mark, {} };
}

constexpr MenuEntry separator()
{
    return { K::Separator, {}, C::CloseWindow, std::nullopt, {} };
}

constexpr MenuEntry submenu(std::string_view caption, std::span<const MenuEntry> entries)
{
    return { K::Submenu, caption, C::CloseWindow, std::nullopt, entries };
}

constexpr MenuEntry kView[] = {
    checked("Status&Bar", C::ViewStatusBar, MenuItem::StatusBar),
    command("&Refresh          F5", C::ViewRefresh),
    command("&Stop               Esc", C::ViewStop),
};

constexpr MenuEntry kOptions[] = {
    command("&Start Page && Options (This App)", C::OptionsWindow),
};

constexpr MenuEntry kHelp[] = {
    command("&About", C::AboutWindow),
    command("&Suggestions && Bugs", C::SuggestionsWindow),
    command("&Close", C::CloseWindow),
};

constexpr MenuEntry kMain[] = {
    submenu("&View >>", kView),
    separator(),
    submenu("&Options >>", kOptions),
    separator(),
    command("&New Browser Window", C::NewBrowserWindow),
    command("Full &Screen Window        F11", C::FullScreenWindow),
    command("&History Window", C::HistoryWindow),
    command("&List Window  (Edit Selectors)", C::ListWindow),
    separator(),
    checked("&Kill Pop-Up Ad Windows", C::KillPopUps, MenuItem::KillPopUps),
    checked("&Kill Pop-Up Ads w/Boom", C::KillPopUpsWithBoom, MenuItem::KillPopUpsWithBoom),
    checked("&Disable Script Error Msg", C::SilenceScriptErrors, MenuItem::SilenceScriptErrors),
    separator(),
    submenu("&Help >>", kHelp),
};

constexpr MenuEntry kMail[] = {
    command("&Open Mail App", C::OpenMailProgram),
    command("&Create New Mail", C::CreateNewMail),
};

} // namespace

std::span<const MenuEntry> mainMenu()
{
    return kMain;
}

std::span<const MenuEntry> mailMenu()
{
    return kMail;
}

} // namespace sg
