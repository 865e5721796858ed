#pragma once
// What the full-screen window paints, as its logic keeps it, and the few commands the
// logic gives the window that are not state (show, hide, place, move, a message). The
// window converts twips to pixels (15 twips a pixel).

#include "browser/geometry.h"
#include "fullscreen/add_page.h"
#include "fullscreen/category_slideshow.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sg {

// The window's controls that the logic places and labels.
enum class FullScreenControl {
    Strip, // the band across the top that holds the buttons and the title strip
    DockButton,
    AddPageButton,
    SlideshowButton,
    TitleStrip, // shows the page title or the slideshow's progress; dragging it moves the window
    BackButton,
    ForwardButton,
    RefreshButton,
    CloseButton,
    Browser,
    AddPagePanel, // files the page under a category
    SlideshowPanel, // chooses a category and a dwell time and starts the slideshow
};
inline constexpr std::size_t kFullScreenControlCount = 12;

struct FullScreenControlState {
    Rect place; // client twips
    std::string toolTip; // "" for none
    bool visible = true;
    bool enabled = true;

    bool operator==(const FullScreenControlState&) const = default;
};

struct FullScreenViewState {
    std::string caption;
    std::string stripText; // the page title, or the slideshow's progress while it runs
    bool stripActive = false; // the active or the inactive caption colour
    std::array<FullScreenControlState, kFullScreenControlCount> controls {};

    // The add-page panel's chooser, with the item chosen counted from 1 (0: none).
    std::vector<ChooserItem> pageCategories;
    std::size_t pageCategory = 0;

    // The slideshow panel's chooser (category names, file order), its choice and the dwell.
    std::vector<std::string> slideshowCategories;
    std::optional<std::size_t> slideshowCategory;
    int dwellSeconds = 30;
    // While a slideshow runs Right, Left and Space step and pause it.
    bool slideshowRunning = false;
    // When the window's timer is next to call onSlideshowTick; nullopt: no timer.
    std::optional<SlideshowTime> tickIn;

    FullScreenControlState& control(FullScreenControl c)
    {
        return controls[static_cast<std::size_t>(c)];
    }
    const FullScreenControlState& control(FullScreenControl c) const
    {
        return controls[static_cast<std::size_t>(c)];
    }
};

// What the logic asks of the window beyond painting.
class FullScreenHost {
public:
    virtual ~FullScreenHost() = default;

    // The work area of the window's screen and the window's place (it has no frame), screen
    // twips.
    virtual Rect workArea() const = 0;
    virtual Rect windowGeometry() const = 0;
    // Out of the maximized or minimized state, at this place.
    virtual void placeWindow(const Rect& twips) = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    // The window follows the mouse until the button goes up (a drag by the title strip).
    virtual void beginWindowMove() = 0;
    // The page that is not to stay in the browser's history (Back never returns to it).
    virtual void navigateWithoutHistory(const std::string& address) = 0;
    // An OK-only message box with the program title as caption; returns when it closes.
    virtual void showMessage(const std::string& text) = 0;
    // A monotonic clock for the slideshow.
    virtual SlideshowTime now() const = 0;
};

} // namespace sg
