#pragma once
// The values every main window shares, owned by the application and handed to each window.

#include "settings/extra_settings.h"
#include "settings/settings.h"
#include "settings/tool_tips.h"
#include "startup/startup_sequence.h"

#include <string>

namespace sg {

// The swap and cycle-button states shared by the windows are the settings'
// TimerControlsSwapped, CycleButton1State and CycleButton2State: each new window takes
// them, each change writes them.
struct SharedBrowserState {
    Settings settings; // the working copy every window reads and changes
    ExtraSettings extra; // the settings of their own file, saved as each one changes
    ToolTipTexts toolTips {};
    AppPaths paths;
    std::string StartPageUrl;
    std::string PendingStartUrl; // the address the next new main window opens first
    bool StartNavigated = false; // a main window has made its start navigation
    bool ModalWindowOpen = false; // a modal window or the program's message box is up
    bool OptionsWindowOpen = false;
    bool SuggestionsWindowOpen = false;
    bool OfflineMode = false;
    bool OfflineModeAutomatic = false; // switched offline by a failed navigation, not the user
    bool SelectorLoading = false;
    std::string LastPageTitle;
    std::string LastOpenFolder; // the folder of the last file "&Open" opened
    // The page text size a new window starts with: 0 (smallest) .. 4 (largest), 2 the
    // page's own.
    int TextZoom = 2;
    // False until a window placement is known: the first main window then places itself
    // from the work area.
    bool placementSaved = false;
};

// Sets ModalWindowOpen while one of the program's message boxes is up, then gives back what
// it was (another modal window may still be open).
class ModalWindowHold {
public:
    explicit ModalWindowHold(SharedBrowserState& shared)
        : m_flag(shared.ModalWindowOpen)
        , m_was(m_flag)
    {
        m_flag = true;
    }
    ~ModalWindowHold() { m_flag = m_was; }
    ModalWindowHold(const ModalWindowHold&) = delete;
    ModalWindowHold& operator=(const ModalWindowHold&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

// The shared values as the start-up sequence left them.
SharedBrowserState sharedStateFromStartup(const StartupState& startup);

} // namespace sg
