#pragma once
// The full-screen window's slideshow for wall displays: the pages of one category shown in
// turn, each loaded afresh as it comes round, each for the same dwell time.

#include "sitelists/list_records.h"
#include "sitelists/list_result.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

inline constexpr std::string_view kNoSlideshowCategories
    = "Can't Start The Slideshow. No Categories Exist.";
inline constexpr std::string_view kNoSlideshowCategorySelected
    = "Can't Start The Slideshow. No Category Is Currently Selected.";
inline constexpr std::string_view kNoSlideshowPages
    = "Can't Start The Slideshow. The Category Holds No Pages.";

// The categories a slideshow can show, in file order. Refused with kNoSlideshowCategories
// when the category list is missing (it is not created) or empty; Failed with the list
// error when it cannot be read.
ListResult<std::vector<CategoryRecord>> slideshowCategories(
    const std::filesystem::path& userDataDir);
// The pages of one category; Failed with the list error when its file cannot be read.
ListResult<std::vector<SiteRecord>> slideshowPages(
    const std::filesystem::path& userDataDir, const CategoryRecord& category);

// A reading of a monotonic clock (the window passes its elapsed-time timer's value).
using SlideshowTime = std::chrono::milliseconds;

// The window's keys: Right, Left, Space and Esc.
enum class SlideshowCommand { Next, Previous, TogglePause, End };

// What the window does after an event.
struct SlideshowStep {
    enum class Kind {
        None, // nothing changes
        Load, // navigate to url (a fresh load, also when it is the page already shown)
        Ended, // the show is over; the window keeps the page it shows
    };
    Kind kind = Kind::None;
    std::string url;

    bool operator==(const SlideshowStep&) const = default;
};

class CategorySlideshow {
public:
    // Starts with the first page of the category (pages without an address are left out);
    // the dwell time is held to 5..3600 seconds. Ended when no page is left.
    SlideshowStep start(std::string category, std::span<const SiteRecord> pages, int dwellSeconds,
        SlideshowTime now);

    // The window's timer: the next page once the current one's dwell has run out.
    SlideshowStep tick(SlideshowTime now);
    // Next and Previous show that page at once, with a full dwell (paused stays paused);
    // TogglePause pauses or goes on with the dwell time that was left; End ends the show.
    SlideshowStep command(SlideshowCommand command, SlideshowTime now);
    // The mouse is over the window's button strip (true) or left it: the show pauses while
    // it is there.
    void setPointerOverStrip(bool over, SlideshowTime now);
    // The page shown failed to load: it stays until its dwell has run out, then the show
    // goes on with the next page.
    void pageFailed() { m_failed = m_running; }

    bool running() const { return m_running; }
    bool paused() const { return m_running && (m_userPaused || m_pointerOverStrip); }
    bool currentPageFailed() const { return m_failed; }
    const std::string& category() const { return m_category; }
    std::size_t pageCount() const { return m_pages.size(); }
    // 0-based position of the page shown.
    std::size_t position() const { return m_position; }
    int dwellSeconds() const { return static_cast<int>(m_dwell.count() / 1000); }

    // How long until tick() has something to do: nullopt while paused or not running.
    std::optional<SlideshowTime> timeUntilNext(SlideshowTime now) const;
    // The strip's text: "Radar - Page 3 Of 12 - Next In 25 s", "... - Paused",
    // "... - Failed To Load, Next In 12 s"; empty when not running.
    std::string statusText(SlideshowTime now) const;

private:
    SlideshowStep show(std::size_t position, SlideshowTime now);
    void setPaused(bool userPaused, bool pointerOverStrip, SlideshowTime now);
    SlideshowTime remaining(SlideshowTime now) const;

    std::string m_category;
    std::vector<SiteRecord> m_pages;
    SlideshowTime m_dwell { 0 };
    std::size_t m_position = 0;
    bool m_running = false;
    bool m_userPaused = false;
    bool m_pointerOverStrip = false;
    bool m_failed = false;
    SlideshowTime m_dueAt { 0 }; // while going: when the page shown has had its dwell
    SlideshowTime m_left { 0 }; // while paused: the dwell still to go
};

} // namespace sg
