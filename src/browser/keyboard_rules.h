#pragma once
// The main window's keyboard rules: the keys the window sees before its controls, and the
// address box's own keys.

namespace sg {

enum class Key { Other, Escape, Enter, F5, F11, A, F, P };

struct KeyEvent {
    Key key = Key::Other;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

enum class WindowKeyAction {
    None,
    StopPage, // Esc
    FullScreen, // F11
    RefreshPage, // F5: a reload in the refresh mode, no click, no countdown restart
    PressMenuButton, // any key with Alt
    PressHideShowToolbar, // any key with Ctrl and Shift
    FocusPage, // any key with Ctrl while the address box does not have the focus
};

// The first rule that matches, in the order above.
WindowKeyAction windowKeyAction(const KeyEvent& key, bool addressBoxFocused);

enum class AddressKeyAction {
    None,
    Go, // Enter
    FindInPage, // Ctrl+F
    SelectAllInPage, // Ctrl+A
};

// The address box swallows every key it acts on.
AddressKeyAction addressKeyAction(const KeyEvent& key);

} // namespace sg
