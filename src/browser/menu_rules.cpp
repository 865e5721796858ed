#include "browser/menu_rules.h"

#include "common/program.h"

namespace sg {

std::string folderOfOpenedFile(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

ListFont listFontDialogStart(const Settings& s)
{
    return { s.FontName.empty() ? std::string("Arial") : s.FontName, s.FontBold,
        s.FontSize > 0 ? double(s.FontSize) : 9.0 };
}

ListFont cappedListFont(ListFont chosen)
{
    if (chosen.size > 12.25)
        chosen.size = 12;
    return chosen;
}

std::optional<int> textSizeOf(MenuCommand command)
{
    switch (command) {
    case MenuCommand::TextSmallest:
        return 0;
    case MenuCommand::TextSmaller:
        return 1;
    case MenuCommand::TextMedium:
        return 2;
    case MenuCommand::TextLarger:
        return 3;
    case MenuCommand::TextLargest:
        return 4;
    default:
        return std::nullopt;
    }
}

MenuItem textSizeItem(int size)
{
    return static_cast<MenuItem>(static_cast<int>(MenuItem::TextSmallest) + size);
}

FileChoice openFileChoice(const std::string& lastOpenFolder)
{
    return { { { "HTML Files", { "*.HTML", "*.Html", "*.html", "*.HTM", "*.Htm", "*.htm" } },
                 { "TEXT Files", { "*.TXT", "*.Txt", "*.txt" } },
                 { "GIF Files", { "*.GIF", "*.Gif", "*.gif" } },
                 { "JPEG Files", { "*.JPG", "*.Jpg", "*.jpg" } },
                 { "PNG Files", { "*.PNG", "*.Png", "*.png" } }, { "All Files", { "*" } } },
        lastOpenFolder };
}

FileChoice favoriteFileChoice(const std::string& favoritesDir)
{
    return { { { "Favorites", { "*.URL", "*.url", "*.Url" } } }, favoritesDir };
}

std::filesystem::path helpPagePath(const AppPaths& paths)
{
    return paths.AppDir / kHelpPageName;
}

std::string helpPageMissingText()
{
    return "The " + std::string(kProgramTitle) + " Help file Is Missing.";
}

std::filesystem::path mailCheckerPath(const AppPaths& paths)
{
    return paths.AppDir.parent_path() / "Mailpeek" / "Mailpeek";
}

const std::string_view kMailCheckerMissingText = ".../Mailpeek/Mailpeek Is Not Installed.\n"
                                                 "It Is A Separate Add-In Utility\n"
                                                 "Available From Larkspur Software";

std::string launcherCaptionText(const Settings& s, LauncherCaption launcher)
{
    return "&" + (launcher == LauncherCaption::Messenger ? s.MessengerCaption : s.MailAppCaption);
}

} // namespace sg
