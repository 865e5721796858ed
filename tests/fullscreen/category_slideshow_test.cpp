#include "fullscreen/category_slideshow.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace std::chrono_literals;

namespace {

using Kind = SlideshowStep::Kind;

SlideshowStep load(const char* url)
{
    return { Kind::Load, url };
}

class CategorySlideshowTest : public ::testing::Test {
protected:
    const std::vector<SiteRecord> m_pages { { "A", "http://a/" }, { "No address", "" },
        { "B", "http://b/" }, { "C", "http://c/" } };
    CategorySlideshow m_show;
    SlideshowTime m_now { 100'000 };

    SlideshowStep at(SlideshowTime t) { return m_show.tick(m_now = t); }
};

} // namespace

TEST_F(CategorySlideshowTest, ShowsEachPageForItsDwellAndReloadsItWhenItComesRound)
{
    EXPECT_EQ(m_show.start("Radar", m_pages, 10, m_now), load("http://a/"));
    EXPECT_EQ(m_show.pageCount(), 3u);
    EXPECT_EQ(m_show.statusText(m_now), "Radar - Page 1 Of 3 - Next In 10 s");
    EXPECT_EQ(m_show.timeUntilNext(m_now), 10s);
    EXPECT_EQ(at(109'999ms), SlideshowStep {});
    EXPECT_EQ(at(110'000ms), load("http://b/"));
    EXPECT_EQ(at(120'000ms), load("http://c/"));
    EXPECT_EQ(at(130'500ms), load("http://a/"));
    EXPECT_EQ(at(140'499ms), SlideshowStep {});
    EXPECT_EQ(at(140'500ms), load("http://b/"));

    // Right and Left show at once with a full dwell; Esc ends.
    EXPECT_EQ(m_show.command(SlideshowCommand::Previous, m_now), load("http://a/"));
    EXPECT_EQ(m_show.command(SlideshowCommand::Previous, m_now), load("http://c/"));
    EXPECT_EQ(m_show.command(SlideshowCommand::Next, m_now), load("http://a/"));
    EXPECT_EQ(m_show.timeUntilNext(m_now), 10s);
    EXPECT_EQ(m_show.command(SlideshowCommand::End, m_now), (SlideshowStep { Kind::Ended, {} }));
    EXPECT_FALSE(m_show.running());
    EXPECT_EQ(at(1'000'000ms), SlideshowStep {});
    EXPECT_EQ(m_show.statusText(m_now), "");

    // Dwell times are held to 5..3600 s; a category without addresses ends at once.
    m_show.start("Radar", m_pages, 1, m_now);
    EXPECT_EQ(m_show.dwellSeconds(), 5);
    m_show.start("Radar", m_pages, 99999, m_now);
    EXPECT_EQ(m_show.dwellSeconds(), 3600);
    const std::vector<SiteRecord> none { { "X", "" } };
    EXPECT_EQ(m_show.start("Empty", none, 30, m_now).kind, Kind::Ended);
    EXPECT_FALSE(m_show.running());
}

TEST_F(CategorySlideshowTest, PausesBySpaceOrPointerOverTheStripAndGoesOnWithTheTimeLeft)
{
    m_show.start("Radar", m_pages, 30, m_now); // page A until 130 s
    m_now = 120'000ms;
    m_show.command(SlideshowCommand::TogglePause, m_now);
    EXPECT_TRUE(m_show.paused());
    EXPECT_EQ(m_show.timeUntilNext(m_now), std::nullopt);
    EXPECT_EQ(m_show.statusText(m_now), "Radar - Page 1 Of 3 - Paused");
    EXPECT_EQ(at(500'000ms), SlideshowStep {});

    // The pointer over the strip keeps it paused after Space, and pauses on its own.
    m_show.setPointerOverStrip(true, m_now);
    m_show.command(SlideshowCommand::TogglePause, m_now);
    EXPECT_TRUE(m_show.paused());
    m_show.setPointerOverStrip(false, m_now = 600'000ms);
    EXPECT_FALSE(m_show.paused());
    EXPECT_EQ(m_show.timeUntilNext(m_now), 10s);
    EXPECT_EQ(at(609'999ms), SlideshowStep {});
    EXPECT_EQ(at(610'000ms), load("http://b/"));

    m_show.setPointerOverStrip(true, m_now = 615'000ms);
    // Stepping while paused shows the page and stays paused with a full dwell.
    EXPECT_EQ(m_show.command(SlideshowCommand::Next, m_now), load("http://c/"));
    EXPECT_TRUE(m_show.paused());
    m_show.setPointerOverStrip(false, m_now = 700'000ms);
    EXPECT_EQ(m_show.timeUntilNext(m_now), 30s);
}

TEST_F(CategorySlideshowTest, FailedPageIsLeftAfterItsDwell)
{
    m_show.start("Radar", m_pages, 20, m_now);
    m_show.pageFailed();
    EXPECT_TRUE(m_show.currentPageFailed());
    EXPECT_EQ(
        m_show.statusText(m_now + 7500ms), "Radar - Page 1 Of 3 - Failed To Load, Next In 13 s");
    EXPECT_EQ(at(119'000ms), SlideshowStep {});
    EXPECT_EQ(at(120'000ms), load("http://b/"));
    EXPECT_FALSE(m_show.currentPageFailed());
}
