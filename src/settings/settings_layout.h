#pragma once
// Where each named field of the settings record lies: the one table that the decoder, the
// encoder and the field list all walk.

#include "settings/settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sg::settings_layout {

// A reserved field: written back as read (offset 24 excepted, which is always written as 0).
struct Reserved {
    std::size_t offset;
    std::size_t length;
};

inline constexpr std::size_t kZeroedReservedOffset = 24; // I16
inline constexpr std::array<Reserved, 6> kKeptReserved { { { 26, 4 }, { 330, 4 }, { 334, 2 },
    { 518, 248 }, { 1636, 4 }, { 1656, 4 } } };

// Text fields of the record, including the reserved text at 518.
struct TextSpan {
    std::size_t offset;
    std::size_t width;
};
inline constexpr std::array<TextSpan, 7> kTextSpans { { { 30, 300 }, { 336, 128 }, { 518, 248 },
    { 822, 256 }, { 1078, 256 }, { 1334, 32 }, { 1366, 256 } } };

// Calls the visitor once per named field, in record order, with the field's name, offset and
// working value (a reference into s, const when s is const):
//   v(name, offset, float&)                F32
//   v(name, offset, std::int16_t&)         I16
//   v(name, offset, std::int32_t&)         I32
//   v(name, offset, bool&)                 B16
//   v(name, offset, double&)               DATE
//   v(name, offset, width, std::string&)   TEXT width
//   v(name, offset, std::array<float, N>&) N consecutive F32
template <class S, class Visitor> void forEachField(S& s, Visitor&& v)
{
    v("WindowLeft", 0, s.WindowLeft);
    v("WindowTop", 4, s.WindowTop);
    v("WindowWidth", 8, s.WindowWidth);
    v("WindowHeight", 12, s.WindowHeight);
    v("EditorWidth", 16, s.EditorWidth);
    v("EditorHeight", 20, s.EditorHeight);
    v("StartPage", 30, 300, s.StartPage);
    v("FontName", 336, 128, s.FontName);
    v("FontBold", 464, s.FontBold);
    v("FontSize", 466, s.FontSize);
    v("EditorColumnWidths", 470, s.EditorColumnWidths);
    v("ToolTipsOff", 486, s.ToolTipsOff);
    v("DeleteWarningsOff", 488, s.DeleteWarningsOff);
    v("SeparateCategorySelector", 490, s.SeparateCategorySelector);
    v("LastBackupTime", 492, s.LastBackupTime);
    v("ScriptErrorsSilenced", 500, s.ScriptErrorsSilenced);
    v("EditorBackupEnabled", 502, s.EditorBackupEnabled);
    v("PopUpKilling", 504, s.PopUpKilling);
    v("NewWindowStaysChecked", 506, s.NewWindowStaysChecked);
    v("RefreshInterval", 508, s.RefreshInterval);
    v("StatusBarHidden", 510, s.StatusBarHidden);
    v("HideControlsMode", 512, s.HideControlsMode);
    v("HistoryDaysToKeep", 514, s.HistoryDaysToKeep);
    v("HistoryLeft", 766, s.HistoryLeft);
    v("HistoryTop", 770, s.HistoryTop);
    v("HistoryWidth", 774, s.HistoryWidth);
    v("HistoryHeight", 778, s.HistoryHeight);
    v("HistoryColumnWidths", 782, s.HistoryColumnWidths);
    v("HistoryOneClick", 814, s.HistoryOneClick);
    v("HistoryKeepNewestVisible", 816, s.HistoryKeepNewestVisible);
    v("HistoryShowDuplicates", 818, s.HistoryShowDuplicates);
    v("PopUpKillBoom", 820, s.PopUpKillBoom);
    v("MessengerPath", 822, 256, s.MessengerPath);
    v("MailAppPath", 1078, 256, s.MailAppPath);
    v("MessengerCaption", 1334, 32, s.MessengerCaption);
    v("MailAppCaption", 1366, 256, s.MailAppCaption);
    v("StoreDuplicateUrls", 1622, s.StoreDuplicateUrls);
    v("PanelBackColor", 1624, s.PanelBackColor);
    v("CheckBoxesShown", 1628, s.CheckBoxesShown);
    v("TimerControlsSwapped", 1630, s.TimerControlsSwapped);
    v("CycleButton1State", 1632, s.CycleButton1State);
    v("CycleButton2State", 1634, s.CycleButton2State);
    v("ColumnWidths", 1640, s.ColumnWidths);
    v("RefreshMode", 1660, s.RefreshMode);
    v("ClockHidden", 1662, s.ClockHidden);
    v("ClockUtc", 1664, s.ClockUtc);
    v("HistoryOnTop", 1666, s.HistoryOnTop);
    v("HistoryShowTime", 1668, s.HistoryShowTime);
}

} // namespace sg::settings_layout
