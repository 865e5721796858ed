#pragma once
// The shared table of tool-tip texts that every window shows while tool tips are on.

#include "settings/settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sg {

inline constexpr std::size_t kToolTipCount = 56;

// The entries of the table, by the control that shows them.
enum class ToolTip : std::size_t {
    MenuButton = 0,
    ConnectionButton = 1,
    IntervalBox = 2, // follows the interval: " min. = Refresh Interval ..."
    IntervalButtons = 3,
    CountdownBox = 4,
    ListButton = 5,
    RefreshButton = 6, // names the refresh mode
    BackButton = 7,
    ForwardButton = 8,
    ToolbarToggleButton = 9,
    AddressBox = 10,
    SelectorButtons = 11,
    GoButton = 12,
    EditorAddCategory = 13,
    EditorCategoryName = 14,
    EditorDeleteCategory = 15,
    EditorAddPage = 16,
    EditorDestination = 17,
    EditorDeleteSites = 18,
    EditorAddAddress = 19,
    EditorAddress = 20,
    EditorSplitUp = 21,
    EditorSplitDown = 22,
    EditorImportFavorites = 23,
    EditorBackup = 24,
    EditorRestore = 25,
    NewWindowBox = 26,
    FullScreenBox = 27,
    HistoryPeriod = 28,
    HistorySort = 29,
    HistorySearch = 30,
    HistoryText = 31,
    HistoryAddToCategory = 32,
    HistoryOneClick = 33,
    HistoryKeepNewestVisible = 34,
    HistoryShowDuplicates = 35,
    FullScreenClose = 36,
    FullScreenAddPage = 37,
    FullScreenTitle = 38,
    FullScreenDock = 39,
    FullScreenRefresh = 40,
    FullScreenForward = 41,
    FullScreenBack = 42,
    StopCycle = 43,
    FindCycle = 44,
    FullCycle = 45,
    HistoryCycle = 46,
    MailCycle = 47, // names the mail program
    OfflineCycle = 48, // says whether the program works offline
    SwapButton = 49,
    CheckBoxesToggle = 50,
    Clock = 51,
};

// The 56 texts, by entry or by number; 52..55 stay empty.
struct ToolTipTexts : std::array<std::string, kToolTipCount> {
    using std::array<std::string, kToolTipCount>::operator[];
    std::string& operator[](ToolTip entry) { return at(static_cast<std::size_t>(entry)); }
    const std::string& operator[](ToolTip entry) const
    {
        return at(static_cast<std::size_t>(entry));
    }
};

ToolTipTexts makeToolTipTexts(const Settings& s);

// "Normal", "If Expired" or "Completely" for refresh mode 0, 1, 3; "" for any other.
std::string_view refreshModeName(std::int16_t refreshMode);

// The Refresh button's entry, rebuilt when the refresh mode changes.
std::string refreshModeToolTip(std::int16_t refreshMode);

// The mail cycle state's entry, rebuilt when the mail caption changes.
std::string mailToolTip(std::string_view mailAppCaption);

// The offline cycle state's entry: "Working Offline - Now = True" or "... = False".
std::string offlineToolTip(bool offline);

} // namespace sg
