#include "browser/popup_modes.h"

namespace sg {

void toggleKillPops(Settings& s)
{
    if (s.PopUpKillBoom == 1)
        s.PopUpKilling = 0;
    if (s.PopUpKilling == 1) {
        s.PopUpKilling = 0;
    } else {
        s.PopUpKilling = 1;
        s.PopUpKillBoom = 0;
    }
}

void toggleKillPopsBoom(Settings& s)
{
    const std::int16_t next = s.PopUpKillBoom == 1 ? 0 : 1;
    s.PopUpKilling = next;
    s.PopUpKillBoom = next;
}

void toggleScriptErrors(Settings& s)
{
    s.ScriptErrorsSilenced = s.ScriptErrorsSilenced == 1 ? 0 : 1;
}

PopUpIndicators popUpIndicatorsFor(const Settings& s)
{
    const bool killing = s.PopUpKilling == 1;
    const bool silenced = s.ScriptErrorsSilenced == 1;
    PopUpIndicators out;
    out.killPopsChecked = killing && s.PopUpKillBoom != 1;
    out.killPopsBoomChecked = killing && s.PopUpKillBoom == 1;
    out.scriptErrChecked = silenced;
    if (silenced && killing)
        out.panel3Text = "Pops-Script";
    else if (silenced)
        out.panel3Text = "Script Msg";
    else if (killing)
        out.panel3Text = "Pop-Ups";
    out.panel3Image = silenced || killing ? kPanelImageOn : kPanelImageOff;
    return out;
}

} // namespace sg
