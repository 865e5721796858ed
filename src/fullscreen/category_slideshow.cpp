#include "fullscreen/category_slideshow.h"

#include "common/file_io.h"
#include "settings/extra_settings.h"
#include "sitelists/list_files.h"
#include "sitelists/sitelist_messages.h"

#include <algorithm>

namespace sg {

ListResult<std::vector<CategoryRecord>> slideshowCategories(
    const std::filesystem::path& userDataDir)
{
    using Result = ListResult<std::vector<CategoryRecord>>;
    // Checked first: reading a missing list file would create it.
    if (FileMissing(categoryListPath(userDataDir)) != 0)
        return Result::notDone(ListStatus::Refused, kNoSlideshowCategories);
    auto records = loadCategoryRecords(userDataDir);
    if (!records)
        return Result::notDone(ListStatus::Failed, sitelist_messages::kLoadingListsError);
    if (records->empty())
        return Result::notDone(ListStatus::Refused, kNoSlideshowCategories);
    return Result::done(std::move(*records));
}

ListResult<std::vector<SiteRecord>> slideshowPages(
    const std::filesystem::path& userDataDir, const CategoryRecord& category)
{
    auto pages = LoadSites(userDataDir, SiteFileName(category.SiteFileNumber));
    if (!pages) {
        return ListResult<std::vector<SiteRecord>>::notDone(
            ListStatus::Failed, sitelist_messages::kLoadingListsError);
    }
    return ListResult<std::vector<SiteRecord>>::done(std::move(*pages));
}

SlideshowStep CategorySlideshow::start(
    std::string category, std::span<const SiteRecord> pages, int dwellSeconds, SlideshowTime now)
{
    m_category = std::move(category);
    m_pages.clear();
    std::copy_if(pages.begin(), pages.end(), std::back_inserter(m_pages),
        [](const SiteRecord& page) { return !page.SiteUrl.empty(); });
    m_dwell = std::chrono::seconds(
        std::clamp(dwellSeconds, kMinSlideshowDwellSeconds, kMaxSlideshowDwellSeconds));
    m_userPaused = false;
    m_pointerOverStrip = false;
    m_running = !m_pages.empty();
    if (!m_running)
        return { SlideshowStep::Kind::Ended, {} };
    return show(0, now);
}

SlideshowStep CategorySlideshow::show(std::size_t position, SlideshowTime now)
{
    m_position = position;
    m_failed = false;
    m_dueAt = now + m_dwell;
    m_left = m_dwell;
    return { SlideshowStep::Kind::Load, m_pages[position].SiteUrl };
}

SlideshowStep CategorySlideshow::tick(SlideshowTime now)
{
    if (!m_running || paused() || now < m_dueAt)
        return {};
    return show((m_position + 1) % m_pages.size(), now);
}

SlideshowStep CategorySlideshow::command(SlideshowCommand command, SlideshowTime now)
{
    if (!m_running)
        return {};
    switch (command) {
    case SlideshowCommand::Next:
        return show((m_position + 1) % m_pages.size(), now);
    case SlideshowCommand::Previous:
        return show((m_position + m_pages.size() - 1) % m_pages.size(), now);
    case SlideshowCommand::TogglePause:
        setPaused(!m_userPaused, m_pointerOverStrip, now);
        return {};
    case SlideshowCommand::End:
        m_running = false;
        return { SlideshowStep::Kind::Ended, {} };
    }
    return {};
}

void CategorySlideshow::setPointerOverStrip(bool over, SlideshowTime now)
{
    setPaused(m_userPaused, over, now);
}

void CategorySlideshow::setPaused(bool userPaused, bool pointerOverStrip, SlideshowTime now)
{
    const bool wasPaused = paused();
    m_userPaused = userPaused;
    m_pointerOverStrip = pointerOverStrip;
    if (!m_running || wasPaused == paused())
        return;
    if (paused())
        m_left = std::max(m_dueAt - now, SlideshowTime { 0 });
    else
        m_dueAt = now + m_left;
}

SlideshowTime CategorySlideshow::remaining(SlideshowTime now) const
{
    return paused() ? m_left : std::max(m_dueAt - now, SlideshowTime { 0 });
}

std::optional<SlideshowTime> CategorySlideshow::timeUntilNext(SlideshowTime now) const
{
    if (!m_running || paused())
        return std::nullopt;
    return remaining(now);
}

std::string CategorySlideshow::statusText(SlideshowTime now) const
{
    if (!m_running)
        return {};
    std::string text = m_category + " - Page " + std::to_string(m_position + 1) + " Of "
        + std::to_string(m_pages.size()) + " - ";
    if (paused())
        return text + "Paused";
    const auto seconds = (remaining(now).count() + 999) / 1000;
    return text + (m_failed ? "Failed To Load, Next In " : "Next In ") + std::to_string(seconds)
        + " s";
}

} // namespace sg
