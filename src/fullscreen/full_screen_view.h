#pragma once
// What the full-screen window's logic paints and asks of its window. The window owns
// the controls, converts twips to pixels (15 twips a pixel) and forwards every event to
// FullScreenLogic in one call.

#include "browser/geometry.h"
#include "fullscreen/add_page.h"

#include <cstddef>
#include <string>
#include <vector>

namespace sg {

// The window's controls.
enum class FullScreenControl {
    Browser,
    AddPagePanel, // files the page under a category
    CloseButton,
    AddPageButton,
    TitleStrip, // drags the window
    DockButton,
    RefreshButton,
    BackButton,
    ForwardButton,
    CategoryChooser,
    CancelButton,
};

class FullScreenView {
public:
    virtual ~FullScreenView() = default;

    virtual void setCaption(const std::string& caption) = 0;
    // "" removes the tool tip.
    virtual void setToolTip(FullScreenControl control, const std::string& text) = 0;
    // Client coordinates, twips.
    virtual void setGeometry(FullScreenControl control, const Rect& twips) = 0;
    virtual void setVisible(FullScreenControl control, bool visible) = 0;
    // Back and Forward show their enabled or disabled image.
    virtual void setEnabled(FullScreenControl control, bool enabled) = 0;
    // The title strip in the active or the inactive caption colour.
    virtual void setTitleStripActive(bool active) = 0;
    // The chooser holds these items with the one at index `selected` (from 1; 0 none) chosen.
    virtual void setChooserItems(const std::vector<ChooserItem>& items, std::size_t selected) = 0;

    // The whole window (it has no frame), screen twips.
    virtual void setWindowGeometry(const Rect& twips) = 0;
    virtual Rect windowGeometry() const = 0;
    // Out of the maximized or minimized state.
    virtual void setNormalState() = 0;
    virtual Size clientSize() const = 0;
    virtual Rect workArea() const = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    // The window follows the mouse until the button goes up (a drag by the title strip).
    virtual void beginWindowMove() = 0;
    // The page that is not to stay in the browser's history (Back never returns to it).
    virtual void navigateWithoutHistory(const std::string& address) = 0;
    // An OK-only message box with the program title as caption; returns when it closes.
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace sg
