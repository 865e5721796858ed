#include "options/options_logic.h"

#include "common/file_io.h"
#include "common/program.h"
#include "common/record_codec.h"
#include "settings/extra_settings.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <filesystem>

namespace sg {
namespace {

constexpr std::string_view kProgramsFolder = "/usr/bin";
constexpr std::int32_t kWindowTextColor = static_cast<std::int32_t>(0x80000008u);
constexpr std::int32_t kButtonTextColor = static_cast<std::int32_t>(0x80000012u);
constexpr std::int32_t kDefaultDaysToKeep = 7;

// The settings the six check boxes set, in their order.
constexpr std::array<std::int16_t Settings::*, kOptionsCheckCount> kCheckSettings = {
    &Settings::ToolTipsOff,
    &Settings::DeleteWarningsOff,
    &Settings::EditorBackupEnabled,
    &Settings::NewWindowStaysChecked,
    &Settings::SeparateCategorySelector,
    &Settings::StoreDuplicateUrls,
};

std::size_t index(OptionsCheck c)
{
    return static_cast<std::size_t>(c);
}

std::size_t index(LauncherBox b)
{
    return static_cast<std::size_t>(b);
}

bool fileExists(const std::filesystem::path& path)
{
    return !path.empty() && FileMissing(path) == 0;
}

// The messenger and mail programs this platform starts with: those of the shipped settings
// file (the defaults of the record where it has none).
std::array<std::string, kLauncherBoxCount> defaultLaunchers(const AppPaths& paths)
{
    std::array<std::string, kLauncherBoxCount> out
        = { std::string(kDefaultMessengerPath), std::string(kDefaultMailAppPath),
              std::string(kDefaultMessengerCaption), std::string(kDefaultMailAppCaption) };
    const auto seed = readSeedSettings(paths.AppDir / "Skyglass.ini");
    if (!seed)
        return out;
    const std::array<const std::string*, kLauncherBoxCount> fields = { &seed->MessengerPath,
        &seed->MailAppPath, &seed->MessengerCaption, &seed->MailAppCaption };
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::string value = trimBlanks(*fields[i]);
        if (!value.empty() && value.front() != '\0')
            out[i] = std::move(value);
    }
    return out;
}

} // namespace

PanelColours panelColours(std::int32_t PanelBackColor)
{
    return { PanelBackColor,
        PanelBackColor == kWindowBackgroundColor ? kWindowTextColor : kButtonTextColor };
}

std::string browseStartFolder(std::string_view programPath)
{
    const std::filesystem::path folder
        = std::filesystem::path(trimBlanks(programPath)).parent_path();
    if (!folder.empty() && DirMissing(folder) == 0)
        return folder.string();
    return std::string(kProgramsFolder);
}

OptionsLogic::OptionsLogic(SharedBrowserState& shared, std::string OptionsCurrentPage,
    OptionsPrompter& prompter, OptionsEffects& effects)
    : m_shared(shared)
    , m_currentPage(std::move(OptionsCurrentPage))
    , m_prompter(prompter)
    , m_effects(effects)
{
}

void OptionsLogic::open()
{
    m_shared.OptionsWindowOpen = true;
    m_shared.ModalWindowOpen = true;
    m_view.closed = false;
    m_view.startPageChoice.reset();
    const std::string title(kProgramTitle);
    m_view.caption = "Start Page & Options - " + title;
    m_view.startPageCaptions = { "Set To " + title + " Intro-Help Page File On Your Computer",
        "Set To Default Blank Page",
        "Type A Default Start Page URL Address In The Text Box, Above.",
        "Set To The Page Currently Displayed In Skyglass", "No Change" };

    const Settings& s = m_shared.settings;
    m_pending.StartPage = s.StartPage;
    showPendingStartPage();
    for (std::size_t i = 0; i < kOptionsCheckCount; ++i)
        m_pending.checks[i] = s.*kCheckSettings[i] == 1 ? 1 : 0;
    m_pending.HideControlsMode = s.HideControlsMode;
    m_pending.HistoryDaysToKeep = s.HistoryDaysToKeep;
    m_pending.RefreshRecovery = m_shared.extra.RefreshRecovery;
    m_pending.LogSecurePages = m_shared.extra.LogSecurePages;
    showChecks();
    showDays();
    m_view.launcherTexts = { s.MessengerPath, s.MailAppPath, s.MessengerCaption, s.MailAppCaption };
    m_view.tab = OptionsTab::StartPage;
    m_changed = false;
}

void OptionsLogic::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    recolour();
}

void OptionsLogic::recolour()
{
    m_view.colours = panelColours(m_shared.settings.PanelBackColor);
}

void OptionsLogic::selectTab(OptionsTab tab)
{
    m_view.tab = tab;
}

// --- the start page ----------------------------------------------------------------------

void OptionsLogic::editStartPageText(std::string text)
{
    m_view.startPageText = std::move(text);
}

void OptionsLogic::chooseStartPage(StartPageChoice choice)
{
    const AppPaths& paths = m_shared.paths;
    const std::string title(kProgramTitle);
    switch (choice) {
    case StartPageChoice::HelpPage: {
        const std::filesystem::path help = paths.AppDir / paths.HelpPageName;
        if (!fileExists(help)) {
            tell("The " + title + " Help file Is Missing, Select Something Else.");
            return;
        }
        m_pending.StartPage = help.string();
        break;
    }
    case StartPageChoice::BlankPage:
        if (!fileExists(paths.DefPagePath)) {
            tell("The " + title + " DefPage.htm file Is Missing, Select Something Else.");
            return;
        }
        m_pending.StartPage = paths.DefPagePath;
        break;
    case StartPageChoice::TypedAddress:
        m_pending.StartPage = m_view.startPageText;
        break;
    case StartPageChoice::CurrentPage:
        m_pending.StartPage = m_currentPage;
        break;
    case StartPageChoice::NoChange:
        m_view.startPageChoice = choice;
        return;
    }
    m_view.startPageChoice = choice;
    showPendingStartPage();
    tell(kStartPageChosenMessage);
    setChanged();
}

void OptionsLogic::showPendingStartPage()
{
    m_view.startPageText = m_pending.StartPage;
}

// --- the switches and the days -----------------------------------------------------------

void OptionsLogic::clickCheck(OptionsCheck check, bool on)
{
    m_pending.checks[index(check)] = on ? 1 : 0;
    showChecks();
    setChanged();
}

void OptionsLogic::clickCheck(ExtraCheck check, bool on)
{
    (check == ExtraCheck::RefreshRecovery ? m_pending.RefreshRecovery : m_pending.LogSecurePages)
        = on;
    showChecks();
    setChanged();
}

void OptionsLogic::chooseHideControlsMode(std::int16_t mode)
{
    m_pending.HideControlsMode = mode;
    showChecks();
    setChanged();
}

void OptionsLogic::showChecks()
{
    for (std::size_t i = 0; i < kOptionsCheckCount; ++i)
        m_view.checked[i] = m_pending.checks[i] == 1;
    m_view.extraChecked = { m_pending.RefreshRecovery, m_pending.LogSecurePages };
    m_view.hideControlsMode = m_pending.HideControlsMode;
}

void OptionsLogic::pressSpin(SpinButton button, bool leftButton, bool ctrl)
{
    if (!leftButton)
        return;
    m_spinDelta = (ctrl ? 10 : 1) * (button == SpinButton::Down ? -1 : 1);
    step(m_spinDelta);
    m_view.spinDelayMs = kSpinFirstDelayMs;
}

void OptionsLogic::repeatSpin()
{
    if (m_spinDelta == 0)
        return;
    step(m_spinDelta);
    m_view.spinDelayMs = kSpinRepeatDelayMs;
}

void OptionsLogic::releaseSpin()
{
    m_spinDelta = 0;
    m_view.spinDelayMs.reset();
}

void OptionsLogic::step(int delta)
{
    const std::int64_t days = std::int64_t { m_pending.HistoryDaysToKeep } + delta;
    m_pending.HistoryDaysToKeep
        = static_cast<std::int32_t>(std::clamp<std::int64_t>(days, kMinDaysToKeep, kMaxDaysToKeep));
    showDays();
}

void OptionsLogic::showDays()
{
    m_view.daysText = std::to_string(m_pending.HistoryDaysToKeep);
}

// --- the messenger and mail programs ------------------------------------------------------

void OptionsLogic::editLauncherText(LauncherBox box, std::string text)
{
    if (m_view.launcherTexts[index(box)] == text)
        return;
    m_view.launcherTexts[index(box)] = std::move(text);
    // A typed path is a change too, so that the close box does not drop it unasked.
    setChanged();
}

std::string OptionsLogic::browseFolder(LauncherBox pathBox) const
{
    return browseStartFolder(m_view.launcherText(pathBox));
}

void OptionsLogic::browsed(LauncherBox pathBox, std::optional<std::string> chosen)
{
    if (!chosen)
        return;
    m_view.launcherTexts[index(pathBox)] = std::move(*chosen);
    setChanged();
}

// --- Restore Defaults, Save, closing ------------------------------------------------------

void OptionsLogic::restoreDefaults()
{
    const AppPaths& paths = m_shared.paths;
    switch (m_view.tab) {
    case OptionsTab::StartPage: {
        const std::filesystem::path help = paths.AppDir / paths.HelpPageName;
        if (fileExists(help)) {
            m_pending.StartPage = help.string();
            m_view.startPageChoice = StartPageChoice::HelpPage;
        } else if (fileExists(paths.DefPagePath)) {
            m_pending.StartPage = paths.DefPagePath;
            m_view.startPageChoice = StartPageChoice::BlankPage;
        } else {
            tell(kStartPagesMissingMessage);
            m_pending.StartPage.clear();
            m_view.startPageChoice = StartPageChoice::NoChange;
        }
        showPendingStartPage();
        break;
    }
    case OptionsTab::Options:
        m_pending.checks = {};
        m_pending.HideControlsMode = 0;
        m_pending.HistoryDaysToKeep = kDefaultDaysToKeep;
        showChecks();
        showDays();
        break;
    case OptionsTab::MailMessenger:
        m_view.launcherTexts = defaultLaunchers(paths);
        break;
    case OptionsTab::More: {
        const ExtraSettings defaults;
        m_pending.RefreshRecovery = defaults.RefreshRecovery;
        m_pending.LogSecurePages = defaults.LogSecurePages;
        showChecks();
        break;
    }
    }
    tell(kDefaultsRestoredMessage);
    setChanged();
}

void OptionsLogic::save()
{
    apply();
    finish();
}

void OptionsLogic::cancel()
{
    finish();
}

bool OptionsLogic::closeRequested()
{
    if (m_changed) {
        switch (m_prompter.askYesNoCancel(std::string(kOptionsNotSavedQuestion))) {
        case OptionsPrompter::Answer::Yes:
            apply();
            break;
        case OptionsPrompter::Answer::No:
            break;
        case OptionsPrompter::Answer::Cancel:
            return false;
        }
    }
    finish();
    return true;
}

void OptionsLogic::apply()
{
    Settings& s = m_shared.settings;
    const auto pendingCheck = [&](OptionsCheck c) { return m_pending.checks[index(c)]; };

    s.StartPage = m_pending.StartPage;
    s.NewWindowStaysChecked = pendingCheck(OptionsCheck::NewWindowStaysChecked);
    if (s.ToolTipsOff != pendingCheck(OptionsCheck::ToolTipsOff)) {
        s.ToolTipsOff = pendingCheck(OptionsCheck::ToolTipsOff);
        m_effects.toolTipsChanged();
    }
    s.DeleteWarningsOff = pendingCheck(OptionsCheck::DeleteWarningsOff);
    s.EditorBackupEnabled = pendingCheck(OptionsCheck::EditorBackupEnabled);
    if (s.SeparateCategorySelector != pendingCheck(OptionsCheck::SeparateCategorySelector)) {
        s.SeparateCategorySelector = pendingCheck(OptionsCheck::SeparateCategorySelector);
        m_effects.siteSelectorModeChanged();
    }
    s.StoreDuplicateUrls = pendingCheck(OptionsCheck::StoreDuplicateUrls);
    const bool daysLowered = m_pending.HistoryDaysToKeep < s.HistoryDaysToKeep;
    s.HistoryDaysToKeep = m_pending.HistoryDaysToKeep;
    if (daysLowered)
        m_effects.historyDaysLowered();
    s.HideControlsMode = m_pending.HideControlsMode;

    const auto box = [&](LauncherBox b) { return trimBlanks(m_view.launcherText(b)); };
    s.MessengerPath = box(LauncherBox::MessengerPath);
    s.MailAppPath = box(LauncherBox::MailAppPath);
    s.MessengerCaption = box(LauncherBox::MessengerCaption);
    s.MailAppCaption = box(LauncherBox::MailAppCaption);
    std::string mailTip = mailToolTip(s.MailAppCaption);
    if (m_shared.toolTips[ToolTip::MailCycle] != mailTip) {
        m_shared.toolTips[ToolTip::MailCycle] = std::move(mailTip);
        m_effects.toolTipsChanged();
    }
    applyExtraSettings();
}

// The More tab's switches live in their own file, written now.
void OptionsLogic::applyExtraSettings()
{
    ExtraSettings& extra = m_shared.extra;
    if (extra.RefreshRecovery == m_pending.RefreshRecovery
        && extra.LogSecurePages == m_pending.LogSecurePages)
        return;
    extra.RefreshRecovery = m_pending.RefreshRecovery;
    extra.LogSecurePages = m_pending.LogSecurePages;
    const std::filesystem::path path = extraSettingsPath(m_shared.paths.UserDataDir);
    if (!saveExtraSettingsFile(path, extra))
        tell("Can't Save Your Settings: The Settings File Can't Be Written:\n" + path.string());
}

void OptionsLogic::finish()
{
    releaseSpin();
    m_shared.ModalWindowOpen = false;
    m_shared.OptionsWindowOpen = false;
    m_view.closed = true;
}

void OptionsLogic::tell(std::string_view text)
{
    m_prompter.tell(std::string(text));
}

} // namespace sg
