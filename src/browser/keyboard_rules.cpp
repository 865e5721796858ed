#include "browser/keyboard_rules.h"

namespace sg {

WindowKeyAction windowKeyAction(const KeyEvent& key, bool addressBoxFocused)
{
    if (key.key == Key::Escape)
        return WindowKeyAction::StopPage;
    if (key.key == Key::F11)
        return WindowKeyAction::FullScreen;
    if (key.key == Key::F5)
        return WindowKeyAction::RefreshPage;
    if (key.alt)
        return WindowKeyAction::PressMenuButton;
    if (key.ctrl && key.shift)
        return WindowKeyAction::PressHideShowToolbar;
    if (key.ctrl && !addressBoxFocused)
        return WindowKeyAction::FocusPage;
    return WindowKeyAction::None;
}

AddressKeyAction addressKeyAction(const KeyEvent& key)
{
    if (key.key == Key::Enter)
        return AddressKeyAction::Go;
    if (key.ctrl && key.key == Key::F)
        return AddressKeyAction::FindInPage;
    if (key.ctrl && key.key == Key::A)
        return AddressKeyAction::SelectAllInPage;
    return AddressKeyAction::None;
}

} // namespace sg
