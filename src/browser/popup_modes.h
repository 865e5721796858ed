#pragma once
// Pop-up killing and script-error suppression: the menu toggles, the menu check marks and
// the status bar's third panel.

#include "settings/settings.h"

#include <string>

namespace sg {

// "&Kill Pop-Up Ad Windows": boom mode -> plain kill mode; plain kill mode -> off;
// off -> plain kill mode.
void toggleKillPops(Settings& s);
// "&Kill Pop-Up Ads w/Boom": boom mode -> off; anything else -> boom mode.
void toggleKillPopsBoom(Settings& s);
// "&Disable Script Error Msg".
void toggleScriptErrors(Settings& s);

inline constexpr int kPanelImageOn = 1;
inline constexpr int kPanelImageOff = 2;

// What every main window shows for the three options.
struct PopUpIndicators {
    bool killPopsChecked = false;
    bool killPopsBoomChecked = false;
    bool scriptErrChecked = false;
    std::string panel3Text; // "Pops-Script", "Script Msg", "Pop-Ups" or ""
    int panel3Image = kPanelImageOff;

    bool operator==(const PopUpIndicators&) const = default;
};

PopUpIndicators popUpIndicatorsFor(const Settings& s);

} // namespace sg
