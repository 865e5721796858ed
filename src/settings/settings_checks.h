#pragma once
// The checks applied to the settings after loading and against the screen at start.

#include "settings/settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// System colours for panel backgrounds: window background (themes active) and button face.
inline constexpr std::int32_t kWindowBackgroundColor = static_cast<std::int32_t>(0x80000005u);
inline constexpr std::int32_t kButtonFaceColor = static_cast<std::int32_t>(0x8000000Fu);

// Smallest window sizes, twips.
inline constexpr float kMinWindowWidth = 7095;
inline constexpr float kMinWindowHeight = 5445;
inline constexpr float kMinEditorWidth = 6945;
inline constexpr float kMinEditorHeight = 3525;

inline constexpr std::string_view kDefaultMessengerPath
    = "C:\\Program Files\\Messenger\\MSMSGS.EXE";
inline constexpr std::string_view kDefaultMailAppPath
    = "C:\\Program Files\\Outlook Express\\msimn.exe";
inline constexpr std::string_view kDefaultMessengerCaption = "Windows Messenger";
inline constexpr std::string_view kDefaultMailAppCaption = "Outlook Express";

// The checks made once the record has been read: out-of-range values are corrected, never
// reported. A position, size, column width or font size that is not a finite number counts
// as out of range. panelBackColor is the colour computed for this start.
void applyLoadChecks(Settings& s, std::int32_t panelBackColor);

// Keeps the main window on the screen (size in twips) and at least its minimum size, and the
// list editor at least its minimum size.
void checkWindowGeometry(Settings& s, double screenWidthTwips, double screenHeightTwips);

// Chooses the list font among the installed font families (in the system's list order).
void chooseDisplayFont(Settings& s, const std::vector<std::string>& installedFonts);

} // namespace sg
