#include "browser/connection_status.h"

#include "browser/offline_mode.h"

#include <cstdio>

namespace sg {

std::string captionWithOfflineMark(std::string caption, bool offline)
{
    const std::size_t mark = caption.find(kOfflineCaptionMark);
    if (offline && mark == std::string::npos)
        caption += kOfflineCaptionMark;
    else if (!offline && mark != std::string::npos)
        caption.erase(mark);
    return caption;
}

std::string_view connectionCaption(bool connected)
{
    return connected ? "iNet" : "Off";
}

std::string clockPanelText(const ClockReading& clock, bool utc)
{
    if (!utc)
        return clock.localTime + ' ';
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d UTC", clock.utcHour % 100,
        clock.utcMinute % 100, clock.utcSecond % 100);
    return text;
}

void ConnectionStatus::onTick()
{
    const ConnectionState connection = m_c.app.connectionState();
    m_c.view[Control::ConnectionButton].text = connectionCaption(connection.connected);
    if (connection.connected)
        endAutomaticOfflineMode(m_c.shared, m_c.app);
    m_c.shared.toolTips[ToolTip::OfflineCycle] = offlineToolTip(m_c.shared.OfflineMode);
    showOfflineState();
    showClock();
}

void ConnectionStatus::showOfflineState()
{
    markCaption();
    m_c.view.menuCheck(MenuItem::WorkOffline) = m_c.shared.OfflineMode;
    m_toolbar.showOfflineToolTip();
}

void ConnectionStatus::markCaption()
{
    m_c.view.caption = captionWithOfflineMark(std::move(m_c.view.caption), m_c.shared.OfflineMode);
}

void ConnectionStatus::onClockPanelDoubleClick()
{
    Settings& st = m_c.settings();
    st.ClockHidden = st.ClockHidden == 1 ? 0 : 1;
    showClock();
}

void ConnectionStatus::onStatusBarRightClick()
{
    Settings& st = m_c.settings();
    st.ClockUtc = st.ClockUtc == 1 ? 0 : 1;
    showClock();
}

void ConnectionStatus::showClock()
{
    const Settings& st = m_c.settings();
    m_c.view.panels[1].text = st.ClockHidden == 1
        ? std::string()
        : clockPanelText(m_c.host.readClock(), st.ClockUtc == 1);
}

} // namespace sg
