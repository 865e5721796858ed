#include "settings/tool_tips.h"

#include "common/program.h"

#include <algorithm>

namespace sg {

std::string_view refreshModeName(std::int16_t refreshMode)
{
    switch (refreshMode) {
    case 0:
        return "Normal";
    case 1:
        return "If Expired";
    case 3:
        return "Completely";
    default:
        return "";
    }
}

std::string refreshModeToolTip(std::int16_t refreshMode)
{
    return "Refresh Page: " + std::string(refreshModeName(refreshMode))
        + " (Right-Click To Change Mode)";
}

std::string mailToolTip(std::string_view mailAppCaption)
{
    return "Open " + std::string(mailAppCaption) + " (Right-Click To Cycle)";
}

std::string offlineToolTip(bool offline)
{
    return std::string("Working Offline - Now = ") + (offline ? "True" : "False")
        + " (Right-Click To Cycle)";
}

ToolTipTexts makeToolTipTexts(const Settings& s)
{
    const std::string title(kProgramTitle);
    ToolTipTexts tips;
    std::array<std::string, kToolTipCount> texts {
        "Show Menu",
        "Internet Connection State & Force Dialer",
        " min. = Refresh Interval (Dbl Click - Timer On-Off)",
        "Inc./Dec. Refresh Interval",
        "Minutes Until Next Refresh - (Dbl Click To Reset = To Interval)",
        "Opens - Edit Category & Site Selector Lists- Window",
        refreshModeToolTip(s.RefreshMode),
        "Back",
        "Forward",
        "Hide/Show ToolBar",
        "Address Box",
        "Show/Hide Site Selector",
        "Go To URL Address",
        "Adds Category Entered In TextBox To The Category List",
        "Enter A New Category, Then Click The - Enter A New Category - Button To Add It To The "
        "List",
        "Delete The Selected Category And Its Site List",
        "Adds The Address Of The Page Currently Displayed In The " + title + " To The List, Below",
        "Select Destination Category For - Move To / Copy To - Menu Functions",
        "Delete The Selected Site(s) From The Site List, Below",
        "Adds Web Address (URL) Entered In TextBox To The Current Site List, Above",
        "Enter A New Web Address (URL), Then Click The - Enter A Web Address - Button To Add It "
        "To The List",
        "Resize List - UP (Bottom List Larger)",
        "Resize List - Down (Bottom List Smaller)",
        "Select And Add -Internet Explorer Favorites- To List Below",
        "Back Up - Copies Your Category And Site List Files To " + title + "'s Back-Up Dir",
        "Restore - Replaces Your Current Category And Site List Files With The Back-Up Copies",
        "New Window (Open Next Page In)",
        "Full Screen (Open Next Page In)",
        "Select The Time Period To Use In A Search",
        "Select A Sort Order Or A Type Of Text Search",
        "Begin A Sort Or A Text Search And Load List",
        "Enter Text To Search For Here",
        "Add The Item(s) Selected In The History Window To The Category Selected Here",
        "If Checked, A Single Mouse Click Will Start Navigate To Selected URL",
        "If Checked, Will Push Up Today's List When New Items Are Added.",
        "If Checked, Search Return Will Show Any Duplicate Url's (On Different Days)",
        "Close",
        "Add Page To A Site Selector Category",
        title + " - Full Screen Window",
        "Dock Window Top-Left Corner",
        "Refresh Page",
        "Forward",
        "Back",
        "Stop Page Download, Music (Right-Click To Cycle) (Key=ESC)",
        "Find (On This Page) (Right-Click To Cycle) (Key=Ctrl+F)",
        "Navigate To Current Page In FullScreen Window (Right-Click To Cycle)",
        "Open History Window (Right-Click To Cycle)",
        mailToolTip(s.MailAppCaption),
        "Work Offline (Right-Click To Cycle)",
        "Show/Hide (Swap)Timer Controls or Cycle Buttons",
        "Show/Hide Check-Boxes",
        "Time (Dbl-Clk On/Off) (Right-Clk Local/UTC)",
        "",
        "",
        "",
        "",
    };
    std::move(texts.begin(), texts.end(), tips.begin());
    return tips;
}

} // namespace sg
