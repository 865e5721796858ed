#include "browser/main_menu.h"

namespace sg {
namespace {

using K = MenuEntry::Kind;
using C = MenuCommand;
using I = MenuItem;

constexpr MenuEntry command(std::string_view caption, MenuCommand c)
{
    return { K::Command, caption, c, std::nullopt, {}, std::nullopt, false };
}

constexpr MenuEntry checked(std::string_view caption, MenuCommand c, MenuItem mark)
{
    return { K::Command, caption, c, mark, {}, std::nullopt, false };
}

constexpr MenuEntry launcher(std::string_view caption, MenuCommand c, LauncherCaption from)
{
    return { K::Command, caption, c, std::nullopt, {}, from, false };
}

constexpr MenuEntry separator()
{
    return { K::Separator, {}, C::CloseWindow, std::nullopt, {}, std::nullopt, false };
}

constexpr MenuEntry submenu(std::string_view caption, std::span<const MenuEntry> entries,
    std::optional<LauncherCaption> from = std::nullopt, bool exclusive = false)
{
    return { K::Submenu, caption, C::CloseWindow, std::nullopt, entries, from, exclusive };
}

constexpr MenuEntry kFile[] = {
    command("&Open", C::OpenFile),
    command("&SaveAs", C::SavePageAs),
};

constexpr MenuEntry kEdit[] = {
    command("&Select All          Ctrl+A", C::SelectAll),
    separator(),
    command("&Find (On This Page)          Ctrl+F", C::FindOnPage),
};

constexpr MenuEntry kView[] = {
    checked("Status&Bar", C::ViewStatusBar, I::StatusBar),
    command("&Refresh          F5", C::ViewRefresh),
    command("&Stop               Esc", C::ViewStop),
};

constexpr MenuEntry kTextSize[] = {
    checked("Larg&est", C::TextLargest, I::TextLargest),
    checked("&Larger", C::TextLarger, I::TextLarger),
    checked("&Medium", C::TextMedium, I::TextMedium),
    checked("&Smaller", C::TextSmaller, I::TextSmaller),
    checked("Sm&allest", C::TextSmallest, I::TextSmallest),
};

constexpr MenuEntry kText[] = {
    command("&Fonts (App Window)", C::ChooseListFont),
    submenu("&Text Size (Web Page) >>", kTextSize, std::nullopt, true),
};

constexpr MenuEntry kOptions[] = {
    command("&Start Page && Options (This App)", C::OptionsWindow),
    command("&Internet Options (All Apps)", C::NetworkSettings),
};

constexpr MenuEntry kMailPrograms[] = {
    command("&Open Mail App", C::OpenMailProgram),
    command("&Create New Mail", C::CreateNewMail),
};

constexpr MenuEntry kHelp[] = {
    command("&Help Page (Local)", C::HelpPage),
    command("&About", C::AboutWindow),
    command("&Suggestions && Bugs", C::SuggestionsWindow),
    separator(),
    command("&Properties", C::PageProperties),
    checked("&Work Offline", C::WorkOffline, I::WorkOffline),
    command("&Close", C::CloseWindow),
};

constexpr MenuEntry kMain[] = {
    submenu("&File >>", kFile),
    separator(),
    submenu("&Edit >>", kEdit),
    separator(),
    command("&Print          Ctrl+P", C::PrintPage),
    separator(),
    submenu("&View >>", kView),
    separator(),
    submenu("&Text >>", kText),
    separator(),
    submenu("&Options >>", kOptions),
    separator(),
    command("&New Browser Window", C::NewBrowserWindow),
    command("Full &Screen Window        F11", C::FullScreenWindow),
    command("&Category Slideshow (Full Screen)", C::CategorySlideshow),
    command("&History Window", C::HistoryWindow),
    command("&List Window  (Edit Selectors)", C::ListWindow),
    separator(),
    checked("&Kill Pop-Up Ad Windows", C::KillPopUps, I::KillPopUps),
    checked("&Kill Pop-Up Ads w/Boom", C::KillPopUpsWithBoom, I::KillPopUpsWithBoom),
    checked("&Disable Script Error Msg", C::SilenceScriptErrors, I::SilenceScriptErrors),
    separator(),
    command("&Internet Explorer Favorites", C::OpenFavorite),
    launcher("&Windows Messenger", C::StartMessenger, LauncherCaption::Messenger),
    submenu("&Outlook &Express", kMailPrograms, LauncherCaption::MailProgram),
    command("&Mailpeek email", C::StartMailChecker),
    separator(),
    submenu("&Help >>", kHelp),
};

constexpr MenuEntry kMail[] = {
    command("&Open Mail App", C::OpenMailProgram),
    command("&Create New Mail", C::CreateNewMail),
    command("&Mailpeek email", C::StartMailChecker),
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

CaptionParts captionParts(std::string_view caption)
{
    // A key name is one word after a run of at least two blanks ("(Edit Selectors)" after
    // two blanks is part of the text).
    const std::size_t blank = caption.rfind("  ");
    if (blank == std::string_view::npos)
        return { caption, {} };
    const std::string_view key = caption.substr(blank + 2);
    if (key.empty() || key.find(' ') != std::string_view::npos)
        return { caption, {} };
    std::string_view text = caption.substr(0, blank);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return { text, key };
}

} // namespace sg
