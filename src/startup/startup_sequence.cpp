#include "startup/startup_sequence.h"

#include "common/data_lock.h"
#include "common/file_io.h"
#include "common/folder.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "startup/startup_helpers.h"

#include <algorithm>
#include <cctype>

namespace sg {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDefPageText = "<html>\r\n"
                                          "<head>\r\n"
                                          "<title>Pre-Navigate Default Page</title>\r\n"
                                          "</head>\r\n"
                                          "<body>\r\n"
                                          "<p align=\"center\">___________________________</p>\r\n"
                                          "</body>\r\n"
                                          "</html>\r\n";

constexpr const char* kSeedListFiles[] = { "CatList.dab", "Sites00001.dab", "Sites00002.dab",
    "Sites00003.dab", "Sites00004.dab", "Sites00005.dab", "Sites00006.dab" };

// Makes the directory, and any missing parent (a new account may lack the profile folder),
// when DirMissing says so; true when it had to be made and was.
bool makeWhenMissing(const fs::path& dir)
{
    if (DirMissing(dir) == 0)
        return false;
    bool made = false;
    return makeDirectories(dir, &made) && made;
}

// Writes DefPage.htm in one write; a file that exists (whatever it holds) stays.
void writeDefPageWhenMissing(const fs::path& path)
{
    if (FileMissing(path) == 0)
        return;
    createFileWith(
        path, { reinterpret_cast<const std::uint8_t*>(kDefPageText.data()), kDefPageText.size() });
}

// Removes what writes killed half way left behind in the data folders (see folder.h),
// holding the data folder's lock so that no running write loses its temporary file. A
// linked folder is cleaned where it lives, and so is the folder beside which its
// replacement is built.
void removeLeftoversOfKilledWrites(const AppPaths& p)
{
    const DataLock lock(p.UserDataDir);
    if (!lock)
        return;
    std::vector<fs::path> folders = { p.UserDataDir };
    for (const fs::path& linked : { p.UserDataDir / "SiteLists", p.UserDataDir / "BU_SiteLists",
             p.UserDataDir / "Skyglass.ini" }) {
        const auto real = resolvedPath(linked);
        if (!real)
            continue;
        if (pathKind(*real) == PathKind::Directory)
            folders.push_back(*real);
        folders.push_back(real->parent_path());
    }
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    for (const fs::path& folder : folders)
        removeLeftoverTemporaries(folder);
}

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string helpPageOrFallback(const AppPaths& paths)
{
    const fs::path help = paths.AppDir / paths.HelpPageName;
    if (FileMissing(help) == 0)
        return help.string();
    if (FileMissing(paths.DefPagePath) == 0)
        return paths.DefPagePath;
    return {};
}

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

} // namespace

fs::path resolveAppDir(const fs::path& executableDir)
{
    const fs::path dir = FileMissing(executableDir / "Skyglass.ini") == 0
        ? executableDir
        : executableDir / ".." / "share" / "skyglass2";
    const fs::path normal = dir.lexically_normal();
    return normal.has_filename() || normal == normal.root_path() ? normal : normal.parent_path();
}

std::string resolveStartPage(std::string startPage, const AppPaths& paths)
{
    if (startPage.empty())
        startPage = helpPageOrFallback(paths);
    if (startPage.size() > paths.HelpPageName.size() && endsWith(startPage, paths.HelpPageName))
        startPage = helpPageOrFallback(paths);
    return startPage;
}

std::string startPageUrlOf(const std::string& startPage)
{
    if (startPage.empty())
        return {};
    if (startPage.front() == '/')
        return fileUrl(startPage);
    return lowerAscii(startPage);
}

StartupOutcome runStartupSequence(const StartupEnvironment& env)
{
    StartupOutcome outcome;
    StartupState& st = outcome.state;
    AppPaths& p = st.paths;

    st.PendingStartUrl = pendingStartUrlFrom(env.commandLine);
    p.AppDir = resolveAppDir(env.executableDir);
    p.ProfileDir = env.profileDir;

    // The data folders, and the seed lists only when SiteLists itself had to be made.
    makeWhenMissing(p.ProfileDir / "Application Data");
    p.UserDataDir = userDataDirFor(p.ProfileDir);
    makeWhenMissing(p.UserDataDir);
    // First of all: a list folder moved aside by a killed restore goes back to its place
    // before a missing SiteLists would be made and seeded anew.
    removeLeftoversOfKilledWrites(p);
    p.HistoryDir = p.UserDataDir / "History";
    makeWhenMissing(p.HistoryDir);
    makeWhenMissing(p.UserDataDir / "BU_SiteLists");
    if (makeWhenMissing(p.UserDataDir / "SiteLists")) {
        for (const char* name : kSeedListFiles)
            copyFileAtomically(p.AppDir / "SiteLists" / name, p.UserDataDir / "SiteLists" / name);
    }

    // The seed settings: the one check that stops the program.
    const fs::path seedPath = p.AppDir / "Skyglass.ini";
    const auto seed = readSeedSettings(seedPath);
    if (!seed) {
        outcome.BootErrorText = std::string(kSeedSettingsErrorText);
        return outcome;
    }

    p.SettingsPath = p.UserDataDir / "Skyglass.ini";
    if (FileMissing(p.SettingsPath) != 0)
        copyFileAtomically(seedPath, p.SettingsPath);

    const fs::path favorites = p.ProfileDir / "Favorites";
    p.FavoritesDir = DirMissing(favorites) == 0 ? favorites.string() : std::string();

    p.KillPopUpsPath = (p.AppDir / "KillPopUps.htm").string();
    p.KillPopUpsUrl = fileUrl(p.KillPopUpsPath);

    // Themes count as active on this platform: panels take the window background colour.
    st.settings = loadSettings(p.SettingsPath, *seed, kWindowBackgroundColor);
    st.placementSaved = st.settings.WindowWidth > 0;
    st.extra = readExtraSettingsFile(extraSettingsPath(p.UserDataDir)).value_or(ExtraSettings {});

    p.DefPagePath = (p.AppDir / "DefPage.htm").string();
    writeDefPageWhenMissing(p.DefPagePath);
    p.DefPageUrl = fileUrl(p.DefPagePath);

    p.HelpPageName = std::string(kHelpPageName);
    st.settings.StartPage = resolveStartPage(st.settings.StartPage, p);
    st.StartPageUrl = startPageUrlOf(st.settings.StartPage);

    checkWindowGeometry(st.settings, env.screenWidthTwips, env.screenHeightTwips);
    chooseDisplayFont(st.settings, env.installedFonts);

    st.toolTips = makeToolTipTexts(st.settings);
    outcome.ok = true;
    return outcome;
}

} // namespace sg
