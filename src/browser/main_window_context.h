#pragma once
// What the parts of one main window's logic share: the application's services, the window's
// host and browser, and the picture they paint together.

#include "browser/browser_app.h"
#include "browser/browser_control.h"
#include "browser/main_window_view.h"
#include "browser/shared_browser_state.h"
#include "browser/window_id.h"
#include "common/date_time.h"
#include "history/history_writer.h"

#include <string>

namespace sg {

// What a main window needs of the application; one of each serves every window.
struct MainWindowServices {
    SharedBrowserState& shared;
    BrowserApp& app;
    HistoryWriter& history;
    const Clock& clock;
    RandomSource& random;
};

struct MainWindowContext {
    SharedBrowserState& shared;
    BrowserApp& app;
    HistoryWriter& history;
    const Clock& clock;
    RandomSource& random;
    MainWindowHost& host;
    BrowserControl& browser;
    MainWindowViewState& view;

    Settings& settings() const { return shared.settings; }
    bool toolTipsOn() const { return shared.settings.ToolTipsOff == 0; }
    // The entry's text, or "" while tool tips are off.
    std::string toolTip(ToolTip entry) const
    {
        return toolTipsOn() ? shared.toolTips[entry] : std::string();
    }
};

// The milliseconds of the window's timers.
inline constexpr int kCloseWaitMs = 750; // the close waits this long, processing events
inline constexpr int kAutoRepeatFirstDelayMs = 750; // an interval button: the second step
inline constexpr int kAutoRepeatDelayMs = 50; // then one step every 50 ms
inline constexpr int kRefreshTickMs = 60000;
inline constexpr int kRefreshWatchdogMs = 5000; // the clocks checked while the countdown runs
inline constexpr int kRefreshRetryWatchMs = 1000; // and while a retry waits: its seconds shown
inline constexpr int kPostDownloadMs = 250;
inline constexpr int kToolbarTimerMs = 1000;
inline constexpr int kColumnClickHideMs = 250;
inline constexpr int kBoxReenableMs = 600;

} // namespace sg
