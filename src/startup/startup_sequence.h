#pragma once
// The start-up sequence: from the command line to the checked settings and resolved paths,
// everything before the first window is shown.

#include "settings/extra_settings.h"
#include "settings/settings.h"
#include "settings/tool_tips.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sg {

inline constexpr std::string_view kSeedSettingsErrorText
    = "No App Data\\App\\Ini File, Error Copying It";
inline constexpr std::string_view kHelpPageName = "Skyglass2Help.htm";

// What the machine tells the start-up sequence.
struct StartupEnvironment {
    std::string commandLine; // the whole command line: one address or path
    std::filesystem::path executableDir; // the folder of the running executable
    std::filesystem::path profileDir; // the per-user data home
    double screenWidthTwips = 0; // the screen's size, for the window checks
    double screenHeightTwips = 0;
    // In the system's list order; empty when the fonts are checked later, after the first
    // window's paint.
    std::vector<std::string> installedFonts;
};

// The paths worked out at start. None ends in "/".
struct AppPaths {
    std::filesystem::path AppDir;
    std::filesystem::path ProfileDir;
    std::filesystem::path UserDataDir;
    std::filesystem::path HistoryDir; // the day files
    std::filesystem::path SettingsPath;
    std::string FavoritesDir; // "" when the user has none
    std::string KillPopUpsPath;
    std::string KillPopUpsUrl;
    std::string DefPagePath;
    std::string DefPageUrl;
    std::string HelpPageName;
};

// The shared values the start-up sequence fills; they live for the whole run.
struct StartupState {
    std::string PendingStartUrl;
    AppPaths paths;
    Settings settings;
    ExtraSettings extra; // the settings the record has no room for
    std::string StartPageUrl; // the start page as a URL (file URL for a local path)
    ToolTipTexts toolTips;
    std::int32_t PlatformId = 2;
    std::string WindowsDir; // no Windows directory on this platform
    // False when the settings carry no window placement yet (a first start): the first
    // main window then places itself from the screen's work area.
    bool placementSaved = false;
};

struct StartupOutcome {
    bool ok = false;
    std::string BootErrorText; // set when !ok: the one start-up error
    StartupState state;
};

// The folder of the shipped data: the executable's folder when it holds "Skyglass.ini",
// else <exe folder>/../share/skyglass2 (the installed layout).
std::filesystem::path resolveAppDir(const std::filesystem::path& executableDir);

// The start page resolution: an empty start page, or the help page stored from another
// folder, becomes the help page in AppDir, else DefPage.htm, else "".
std::string resolveStartPage(std::string startPage, const AppPaths& paths);

// The start page as a URL: a local path (starting with "/") by the file URL rule, anything
// else lower-cased.
std::string startPageUrlOf(const std::string& startPage);

// Runs every step after the hand-over to a running copy and before the windows: the data
// folders and seeding, the settings, DefPage.htm, the start page, the screen and font
// checks, the tool-tip table. Only an unusable seed settings file stops it.
StartupOutcome runStartupSequence(const StartupEnvironment& env);

} // namespace sg
