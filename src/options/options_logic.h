#pragma once
// The options window's logic (the window paints view() and forwards each event here in one
// call). It edits pending copies of the settings; Save applies them to the shared settings
// and tells the open windows, and the settings file is written later, when a main window
// closes. The switches of the More tab are written to Skyglass2.conf at once.

#include "browser/shared_browser_state.h"
#include "options/options_view.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sg {

inline constexpr std::string_view kStartPageChosenMessage
    = "Your New Default Is Shown In The TextBox. . Make Sure It Is Correct.\n"
      "Then Click The -Save All Changes And Exit- Button, When You're Done.";
inline constexpr std::string_view kStartPagesMissingMessage
    = "The Default Start Page Files Are Missing, No Page Is Now Selected.";
inline constexpr std::string_view kDefaultsRestoredMessage
    = "Defaults Restored On This Tab. Changes Will Be Saved When\n"
      "You Click The -Save All Changes And Exit- Button.";
inline constexpr std::string_view kOptionsNotSavedQuestion
    = "Your Options Were Changed, But Not Saved.\nDo You Want To Save Them, Now?";

// The messages and the question of the options window.
class OptionsPrompter {
public:
    enum class Answer { Yes, No, Cancel };
    virtual ~OptionsPrompter() = default;
    // An OK box with the program title as caption.
    virtual void tell(const std::string& text) = 0;
    // A Yes / No / Cancel box.
    virtual Answer askYesNoCancel(const std::string& text) = 0;
};

// What Save changes outside the window.
class OptionsEffects {
public:
    virtual ~OptionsEffects() = default;
    // Every main, full-screen and History window applies its tool tips again.
    virtual void toolTipsChanged() = 0;
    // Every main window reloads its site selector in the new mode (with its headers).
    virtual void siteSelectorModeChanged() = 0;
    // The days to keep were lowered: the old day files go now, and an open History window
    // shows what is left.
    virtual void historyDaysLowered() = 0;
};

// The values the window edits, held until Save.
struct PendingOptions {
    std::string StartPage;
    std::array<std::int16_t, kOptionsCheckCount> checks {}; // each 0 or 1
    std::int16_t HideControlsMode = 0;
    std::int32_t HistoryDaysToKeep = 0;
    bool RefreshRecovery = true;
    bool LogSecurePages = false;
};

// The colour operation: the panels take PanelBackColor; their text is the window-text colour
// on the window background, else the button-text colour.
PanelColours panelColours(std::int32_t PanelBackColor);

// The folder a Browse dialog starts in: the one holding the path's program when it exists,
// else /usr/bin.
std::string browseStartFolder(std::string_view programPath);

class OptionsLogic {
public:
    OptionsLogic(SharedBrowserState& shared, std::string OptionsCurrentPage,
        OptionsPrompter& prompter, OptionsEffects& effects);

    const OptionsView& view() const { return m_view; }
    const PendingOptions& pending() const { return m_pending; }
    bool changed() const { return m_changed; }

    // Loading: the flags, the captions, every control from the settings, the first tab.
    void open();
    // The first activation runs the colour operation; so does a change of the system's
    // colours while the window is open.
    void activate();
    void recolour();

    void selectTab(OptionsTab tab);
    void editStartPageText(std::string text);
    void chooseStartPage(StartPageChoice choice);
    void clickCheck(OptionsCheck check, bool on);
    void clickCheck(ExtraCheck check, bool on);
    void chooseHideControlsMode(std::int16_t mode);
    void editLauncherText(LauncherBox box, std::string text);

    // The days spin buttons: a press makes the first step (only the left button; Ctrl held
    // steps by 10) and asks for the next after kSpinFirstDelayMs; each repeat steps again and
    // asks for the next after kSpinRepeatDelayMs, until the release.
    void pressSpin(SpinButton button, bool leftButton, bool ctrl);
    void repeatSpin();
    void releaseSpin();

    // Browse: the folder the dialog starts in, then the program chosen (none: cancelled).
    std::string browseFolder(LauncherBox pathBox) const;
    void browsed(LauncherBox pathBox, std::optional<std::string> chosen);

    void restoreDefaults();
    void save();
    void cancel();
    // The window's close box: asks when there are unsaved changes; false keeps it open.
    bool closeRequested();

private:
    void tell(std::string_view text);
    void showPendingStartPage();
    void showChecks();
    void showDays();
    void setChanged() { m_changed = true; }
    void step(int delta);
    void apply();
    void applyExtraSettings();
    void finish();

    SharedBrowserState& m_shared;
    std::string m_currentPage; // OptionsCurrentPage
    OptionsPrompter& m_prompter;
    OptionsEffects& m_effects;
    OptionsView m_view;
    PendingOptions m_pending;
    bool m_changed = false;
    bool m_activated = false;
    int m_spinDelta = 0; // the held spin button's step; 0 when none is held
};

} // namespace sg
