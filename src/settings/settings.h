#pragma once
// The in-memory working copy of the 1670-byte settings record.

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace sg {

inline constexpr std::size_t kSettingsRecordLength = 1670;

// A record never written: every text field (the reserved one too) blank, all else 0.
std::vector<std::uint8_t> blankSettingsRecord();

// One working value per named field of the record, named as the record names them. Text is
// UTF-8. Bytes holds the record as read; the reserved fields are written back from it.
struct Settings {
    float WindowLeft = 0;
    float WindowTop = 0;
    float WindowWidth = 0;
    float WindowHeight = 0;
    float EditorWidth = 0;
    float EditorHeight = 0;
    std::string StartPage;
    std::string FontName;
    bool FontBold = false;
    float FontSize = 0;
    std::array<float, 4> EditorColumnWidths {};
    std::int16_t ToolTipsOff = 0;
    std::int16_t DeleteWarningsOff = 0;
    std::int16_t SeparateCategorySelector = 0;
    double LastBackupTime = 0; // OLE Automation date
    std::int16_t ScriptErrorsSilenced = 0;
    std::int16_t EditorBackupEnabled = 0;
    std::int16_t PopUpKilling = 0;
    std::int16_t NewWindowStaysChecked = 0;
    std::int16_t RefreshInterval = 0;
    std::int16_t StatusBarHidden = 0;
    std::int16_t HideControlsMode = 0;
    std::int32_t HistoryDaysToKeep = 0;
    float HistoryLeft = 0;
    float HistoryTop = 0;
    float HistoryWidth = 0;
    float HistoryHeight = 0;
    std::array<float, 8> HistoryColumnWidths {};
    std::int16_t HistoryOneClick = 0;
    std::int16_t HistoryKeepNewestVisible = 0;
    std::int16_t HistoryShowDuplicates = 0;
    std::int16_t PopUpKillBoom = 0;
    std::string MessengerPath;
    std::string MailAppPath;
    std::string MessengerCaption;
    std::string MailAppCaption;
    std::int16_t StoreDuplicateUrls = 0;
    std::int32_t PanelBackColor = 0;
    std::int16_t CheckBoxesShown = 0;
    std::int16_t TimerControlsSwapped = 0;
    std::int16_t CycleButton1State = 0;
    std::int16_t CycleButton2State = 0;
    std::array<float, 4> ColumnWidths {};
    std::int16_t RefreshMode = 0;
    std::int16_t ClockHidden = 0;
    std::int16_t ClockUtc = 0;
    std::int16_t HistoryOnTop = 0;
    std::int16_t HistoryShowTime = 0;

    // The record as read (a blank record in new settings).
    std::vector<std::uint8_t> Bytes = blankSettingsRecord();
};

// Equal when every working value and every reserved field (the bytes written back) match.
// Floats compare as numbers, so a NaN is never equal.
bool operator==(const Settings& a, const Settings& b);

// One "Name = value" line per named field.
std::ostream& operator<<(std::ostream& out, const Settings& s);

// The values each main window keeps for itself; the window that closes hands in its own.
struct PerWindowSettings {
    std::int16_t RefreshInterval = 0;
    std::int16_t TimerControlsSwapped = 0;
    std::int16_t CycleButton1State = 0;
    std::int16_t CycleButton2State = 0;

    bool operator==(const PerWindowSettings&) const = default;
};

// The per-window values as they stand in the shared settings.
PerWindowSettings perWindowSettingsOf(const Settings& s);

} // namespace sg
