#pragma once
// What the options window paints, as its logic keeps it, and the fixed captions of its
// controls. The window's tabs: the start page, the behaviour switches with the days of
// history, the messenger and mail programs, and the switches kept in Skyglass2.conf.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sg {

enum class OptionsTab { StartPage = 0, Options = 1, MailMessenger = 2, More = 3 };
inline constexpr std::size_t kOptionsTabCount = 4;
inline constexpr std::array<std::string_view, kOptionsTabCount> kOptionsTabCaptions
    = { "Default Start Page", "Options", "Mail - Messenger", "More" };

// The start-page option buttons, by index.
enum class StartPageChoice {
    HelpPage = 0,
    BlankPage = 1,
    TypedAddress = 2,
    CurrentPage = 3,
    NoChange = 4
};
inline constexpr std::size_t kStartPageChoiceCount = 5;

// The six check boxes of the Options tab, in their order there, and the settings they set.
enum class OptionsCheck {
    ToolTipsOff,
    DeleteWarningsOff,
    EditorBackupEnabled,
    NewWindowStaysChecked,
    SeparateCategorySelector,
    StoreDuplicateUrls,
};
inline constexpr std::size_t kOptionsCheckCount = 6;
inline constexpr std::array<std::string_view, kOptionsCheckCount> kOptionsCheckCaptions = {
    "Disable ToolTips",
    "Disable Delete && Warn. Messages",
    "Enable Back-Up In Edit Window",
    "Set \"New Window\"  CheckBox To Hold Its Value When Set.",
    "Use A Separate Category Selector And SiteList Selector",
    "Store Duplicate URL's",
};

// The hide-controls option buttons top to bottom, with the HideControlsMode each selects.
inline constexpr std::array<std::pair<std::int16_t, std::string_view>, 3> kHideControlsChoices = { {
    { 2, "Enable Auto-Hide Controls" },
    { 1, "Enable Manual Hide Controls" },
    { 0, "Disable All Hide Controls" },
} };

// The switches of the More tab (kept in Skyglass2.conf, not in the settings record).
enum class ExtraCheck { RefreshRecovery, LogSecurePages };
inline constexpr std::size_t kExtraCheckCount = 2;
inline constexpr std::array<std::string_view, kExtraCheckCount> kExtraCheckCaptions
    = { "Refresh at once after sleep and retry failed refreshes",
          "Log secure (https) pages in history" };

// The four boxes of the Mail - Messenger tab.
enum class LauncherBox { MessengerPath, MailAppPath, MessengerCaption, MailAppCaption };
inline constexpr std::size_t kLauncherBoxCount = 4;

enum class SpinButton { Down, Up };

inline constexpr std::int32_t kMinDaysToKeep = 0;
inline constexpr std::int32_t kMaxDaysToKeep = 9999;
// The auto-repeat of a held spin button: the wait after the first step, after each later one.
inline constexpr int kSpinFirstDelayMs = 750;
inline constexpr int kSpinRepeatDelayMs = 50;

// Labels and buttons.
inline constexpr std::string_view kStartPageLabel = "Default Start Page";
inline constexpr std::string_view kOptionsLabel = "Options";
inline constexpr std::string_view kDaysLabel = "Days To Keep Pages In History";
inline constexpr std::string_view kMailTitleLabel = "Windows Messenger And Outlook Express";
inline constexpr std::string_view kMailPathsLabel
    = "Change The Path\\Filename To Windows Messenger And Outlook Express";
inline constexpr std::string_view kMessengerPairLabel
    = "Menu Caption            FullPath\\Filename To Windows Messenger";
inline constexpr std::string_view kMailPairLabel
    = "Menu Caption                FullPath\\Filename To Outlook Express";
inline constexpr std::string_view kMoreLabel = "More Options";
inline constexpr std::string_view kBrowseCaption = "Browse";
inline constexpr std::string_view kSaveCaption = "Save All Changes And Exit";
inline constexpr std::string_view kCancelCaption = "Cancel";
inline constexpr std::string_view kRestoreDefaultsCaption = "Restore Defaults";

// The system colours of the panels: background and text.
struct PanelColours {
    std::int32_t background = 0;
    std::int32_t text = 0;

    bool operator==(const PanelColours&) const = default;
};

struct OptionsView {
    std::string caption;
    std::array<std::string, kStartPageChoiceCount> startPageCaptions;
    OptionsTab tab = OptionsTab::StartPage;
    std::string startPageText; // the text box
    std::optional<StartPageChoice> startPageChoice; // the selected option button
    std::array<bool, kOptionsCheckCount> checked {};
    std::array<bool, kExtraCheckCount> extraChecked {};
    std::int16_t hideControlsMode = 0;
    std::string daysText;
    std::array<std::string, kLauncherBoxCount> launcherTexts;
    // While a spin button is held: the wait before its next step.
    std::optional<int> spinDelayMs;
    PanelColours colours;
    bool closed = false; // the window is to close

    bool isChecked(OptionsCheck c) const { return checked[static_cast<std::size_t>(c)]; }
    bool isChecked(ExtraCheck c) const { return extraChecked[static_cast<std::size_t>(c)]; }
    const std::string& launcherText(LauncherBox b) const
    {
        return launcherTexts[static_cast<std::size_t>(b)];
    }
};

} // namespace sg
