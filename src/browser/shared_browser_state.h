#pragma once
// The values every main window shares, owned by the application and handed to each window,
// and the list of the open main windows.

#include "settings/settings.h"
#include "settings/tool_tips.h"
#include "startup/startup_sequence.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

class MainWindowLogic;

// The open main windows in the order they were made. Each MainWindowLogic adds itself
// when made and removes itself when destroyed.
class MainWindowRegistry {
public:
    void add(MainWindowLogic* window);
    void remove(MainWindowLogic* window);
    const std::vector<MainWindowLogic*>& windows() const { return m_windows; }
    std::size_t count() const { return m_windows.size(); }
    // The first window made that is still open; null when none is.
    MainWindowLogic* first() const;
    // The window whose WindowId equals the text; null when none does.
    MainWindowLogic* find(std::string_view windowId) const;

private:
    std::vector<MainWindowLogic*> m_windows;
};

// The swap and cycle-button states shared by the windows are the settings'
// TimerControlsSwapped, CycleButton1State and CycleButton2State: each new window takes
// them, each change writes them.
struct SharedBrowserState {
    Settings settings; // the working copy every window reads and changes
    ToolTipTexts toolTips {};
    AppPaths paths;
    std::string StartPageUrl;
    std::string PendingStartUrl; // the address the next new main window opens first
    bool StartNavigated = false; // a main window has made its start navigation
    bool ModalWindowOpen = false; // a modal window or the program's message box is up
    std::string ActiveWindowId; // the main window activated last
    bool OfflineMode = false;
    bool OfflineModeAutomatic = false; // switched offline by a failed navigation, not the user
    bool SelectorLoading = false;
    std::string LastPageTitle;
    // False until a window placement is known: the first main window then places itself
    // from the work area.
    bool placementSaved = false;
    MainWindowRegistry windows;
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
