#pragma once
// What a main window shows of the connection, the offline mode and the time, refreshed by
// its status timer every two seconds: the connection button's caption, the caption's
// offline mark, the "&Work Offline" check mark with the Offline button's tool tip, and
// the clock in the status bar's second panel (local time or UTC, or blank).

#include "browser/main_window_context.h"
#include "browser/toolbar_controller.h"

#include <string>
#include <string_view>

namespace sg {

inline constexpr std::string_view kOfflineCaptionMark = " - [working offline]";

// The caption with the offline mark added (offline) or cut off before it (online).
std::string captionWithOfflineMark(std::string caption, bool offline);

// "iNet" when connected, else "Off".
std::string_view connectionCaption(bool connected);

// Local: the locale's time form + one blank; UTC: "HH:MM:SS UTC".
std::string clockPanelText(const ClockReading& clock, bool utc);

class ConnectionStatus {
public:
    ConnectionStatus(MainWindowContext& context, ToolbarController& toolbar)
        : m_c(context)
        , m_toolbar(toolbar)
    {
    }

    // The status timer's tick. Offline mode that a failed page switched on ends once the
    // connection is back.
    void onTick();
    // The offline mode changed (in any window): the caption's mark, the check mark and the
    // Offline button's tool tip follow at once.
    void showOfflineState();
    // A new caption keeps the offline mark.
    void markCaption();
    // The clock panel: a double click hides or shows the clock; the right button anywhere on
    // the status bar switches between local time and UTC.
    void onClockPanelDoubleClick();
    void onStatusBarRightClick();
    void showClock();

private:
    MainWindowContext& m_c;
    ToolbarController& m_toolbar;
};

} // namespace sg
