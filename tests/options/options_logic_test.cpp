// The options window's logic against a recording prompter and recording broadcasts; the
// suggestions mail and the version label.

#include "about/about_texts.h"
#include "about/suggestions.h"
#include "options/options_logic.h"
#include "settings/extra_settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

const fs::path kShippedData = fs::path(SKYGLASS_SOURCE_DIR) / "data";
const std::string kChosen(kStartPageChosenMessage);
const std::string kRestored(kDefaultsRestoredMessage);
using Answer = OptionsPrompter::Answer;

// Records the messages and each broadcast with what the settings held when it came.
class Recorder final : public OptionsPrompter, public OptionsEffects {
public:
    explicit Recorder(const Settings& s)
        : m_s(s)
    {
    }
    Strings told, asked, calls;
    Answer answer = Answer::Yes;

    void tell(const std::string& text) override { told.push_back(text); }
    Answer askYesNoCancel(const std::string& text) override
    {
        asked.push_back(text);
        return answer;
    }
    void toolTipsChanged() override { note("tips off=", m_s.ToolTipsOff); }
    void siteSelectorModeChanged() override { note("selectors=", m_s.SeparateCategorySelector); }
    void historyDaysLowered() override { note("purge ", m_s.HistoryDaysToKeep); }

private:
    void note(const char* what, int value) { calls.push_back(what + std::to_string(value)); }
    const Settings& m_s;
};

class OptionsLogicTest : public ::testing::Test {
protected:
    TempDir m_dir;
    SharedBrowserState m_shared;
    Recorder m_rec { m_shared.settings };
    OptionsLogic m_logic { m_shared, "https://radar.example/loop ", m_rec, m_rec };

    OptionsLogicTest()
    {
        Settings& s = m_shared.settings;
        s.StartPage = "https://start.example/";
        s.DeleteWarningsOff = 1;
        s.HistoryDaysToKeep = 30;
        s.MailAppCaption = "Thunderbird";
        m_shared.toolTips = makeToolTipTexts(s);
        useAppDir(m_dir.path());
        m_shared.paths.UserDataDir = m_dir.path();
        m_logic.open();
    }
    // The shipped data holds the help page, DefPage.htm and the seed settings.
    void useAppDir(const fs::path& dir)
    {
        m_shared.paths.AppDir = dir;
        m_shared.paths.HelpPageName = "Skyglass2Help.htm";
        m_shared.paths.DefPagePath = (dir / "DefPage.htm").string();
    }
    const OptionsView& view() const { return m_logic.view(); }
};

} // namespace

TEST_F(OptionsLogicTest, StartPageChoicesRefuseMissingFilesAndTakeTheBoxOrTheOpenersPage)
{
    m_logic.chooseStartPage(StartPageChoice::HelpPage);
    m_logic.chooseStartPage(StartPageChoice::BlankPage);
    EXPECT_EQ(m_rec.told,
        (Strings { "The Skyglass2 Help file Is Missing, Select Something Else.",
            "The Skyglass2 DefPage.htm file Is Missing, Select Something Else." }));
    EXPECT_EQ(m_logic.pending().StartPage, "https://start.example/");
    EXPECT_FALSE(m_logic.changed());

    m_logic.editStartPageText("https://typed.example/");
    m_logic.chooseStartPage(StartPageChoice::TypedAddress);
    EXPECT_EQ(m_logic.pending().StartPage, "https://typed.example/");
    m_logic.chooseStartPage(StartPageChoice::CurrentPage);
    EXPECT_EQ(view().startPageText, "https://radar.example/loop "); // exactly as it was
    useAppDir(kShippedData);
    m_logic.chooseStartPage(StartPageChoice::HelpPage);
    EXPECT_EQ(m_logic.pending().StartPage, (kShippedData / "Skyglass2Help.htm").string());
    EXPECT_EQ(m_rec.told, (Strings { m_rec.told[0], m_rec.told[1], kChosen, kChosen, kChosen }));
    EXPECT_TRUE(m_logic.changed());
}

TEST_F(OptionsLogicTest, RestoreDefaultsActsOnTheShownTabOnly)
{
    m_logic.restoreDefaults(); // neither the help page nor DefPage.htm: no page, "No Change"
    EXPECT_EQ(view().startPageText, "");
    EXPECT_EQ(view().startPageChoice, StartPageChoice::NoChange);
    EXPECT_EQ(m_rec.told, (Strings { std::string(kStartPagesMissingMessage), kRestored }));
    EXPECT_TRUE(m_logic.changed());
    writeBytes(m_dir / "DefPage.htm", bytesOf("<html></html>"));
    m_logic.restoreDefaults();
    EXPECT_EQ(view().startPageChoice, StartPageChoice::BlankPage);
    useAppDir(kShippedData);
    m_logic.restoreDefaults();
    EXPECT_EQ(view().startPageChoice, StartPageChoice::HelpPage);

    m_logic.clickCheck(OptionsCheck::StoreDuplicateUrls, true);
    m_logic.clickCheck(ExtraCheck::LogSecurePages, true);
    m_logic.chooseHideControlsMode(2);
    m_logic.selectTab(OptionsTab::Options);
    m_logic.restoreDefaults();
    EXPECT_EQ(view().checked, (std::array<bool, kOptionsCheckCount> {}));
    EXPECT_EQ(view().hideControlsMode, 0);
    EXPECT_EQ(view().daysText, "7");
    EXPECT_EQ(view().extraChecked, (std::array { true, true })); // other tabs untouched
    m_logic.selectTab(OptionsTab::MailMessenger); // the programs of the shipped settings file
    m_logic.restoreDefaults();
    EXPECT_EQ(view().launcherTexts,
        (std::array<std::string, kLauncherBoxCount> {
            "/usr/bin/pidgin", "/usr/bin/thunderbird", "Pidgin", "Thunderbird" }));
    m_logic.selectTab(OptionsTab::More);
    m_logic.restoreDefaults();
    EXPECT_EQ(view().extraChecked, (std::array { true, false }));
    EXPECT_EQ(m_rec.told.size(), 7u);
}

TEST_F(OptionsLogicTest, SpinButtonsStepRepeatAndClampWithoutMarkingAChange)
{
    // From, button, left button, Ctrl, repeats, to.
    using Case = std::tuple<std::int32_t, SpinButton, bool, bool, int, std::int32_t>;
    for (auto [from, button, left, ctrl, repeats, to] :
        { Case { 30, SpinButton::Up, false, false, 3, 30 }, // not the left button: nothing
            Case { 30, SpinButton::Up, true, false, 2, 33 },
            Case { 30, SpinButton::Down, true, true, 5, 0 },
            Case { 9995, SpinButton::Up, true, true, 0, 9999 } }) {
        m_shared.settings.HistoryDaysToKeep = from;
        m_logic.open();
        m_logic.pressSpin(button, left, ctrl);
        EXPECT_EQ(view().spinDelayMs, left ? std::optional(kSpinFirstDelayMs) : std::nullopt);
        for (int i = 0; i < repeats; ++i)
            m_logic.repeatSpin();
        if (left && repeats > 0) {
            EXPECT_EQ(view().spinDelayMs, kSpinRepeatDelayMs);
        }
        m_logic.releaseSpin();
        m_logic.repeatSpin(); // a late tick after the release does nothing
        EXPECT_EQ(view().daysText, std::to_string(to)) << from << " " << repeats;
        // Only the days changed: the close box closes without asking and drops them.
        EXPECT_TRUE(m_logic.closeRequested());
        EXPECT_EQ(m_shared.settings.HistoryDaysToKeep, from);
    }
    EXPECT_TRUE(m_rec.asked.empty());
}

TEST_F(OptionsLogicTest, SaveAppliesInOrderAndTellsTheOtherWindows)
{
    m_logic.chooseStartPage(StartPageChoice::CurrentPage);
    m_logic.clickCheck(OptionsCheck::ToolTipsOff, true);
    m_logic.clickCheck(OptionsCheck::SeparateCategorySelector, true);
    m_logic.clickCheck(OptionsCheck::DeleteWarningsOff, false);
    m_logic.clickCheck(ExtraCheck::LogSecurePages, true);
    m_logic.chooseHideControlsMode(2);
    m_logic.pressSpin(SpinButton::Down, true, true);
    for (int i = 0; i < 3; ++i)
        m_logic.repeatSpin();
    m_logic.releaseSpin();
    m_logic.editLauncherText(LauncherBox::MessengerPath, "  /opt/chat/bin/chat ");
    m_logic.editLauncherText(LauncherBox::MailAppCaption, " Mutt ");
    m_logic.save();

    // The last tool-tip broadcast is for the mail program's tip.
    EXPECT_EQ(m_rec.calls, (Strings { "tips off=1", "selectors=1", "purge 0", "tips off=1" }));
    const Settings& s = m_shared.settings;
    EXPECT_EQ(s.StartPage, "https://radar.example/loop ");
    EXPECT_EQ(std::tuple(s.DeleteWarningsOff, s.HideControlsMode, s.HistoryDaysToKeep),
        std::tuple(0, 2, 0));
    EXPECT_EQ(
        std::tuple(s.MessengerPath, s.MailAppCaption), std::tuple("/opt/chat/bin/chat", "Mutt"));
    EXPECT_EQ(m_shared.toolTips[ToolTip::MailCycle], "Open Mutt (Right-Click To Cycle)");
    EXPECT_EQ(readExtraSettingsFile(extraSettingsPath(m_dir.path())), m_shared.extra);
    EXPECT_TRUE(m_shared.extra.LogSecurePages);
    EXPECT_TRUE(view().closed && !m_shared.OptionsWindowOpen && !m_shared.ModalWindowOpen);

    // Raised days purge nothing; an empty mail caption is stored as it is.
    m_rec.calls.clear();
    m_logic.open();
    m_logic.pressSpin(SpinButton::Up, true, false);
    m_logic.editLauncherText(LauncherBox::MailAppCaption, "");
    m_logic.save();
    EXPECT_EQ(m_shared.settings.HistoryDaysToKeep, 1);
    EXPECT_EQ(m_shared.toolTips[ToolTip::MailCycle], "Open  (Right-Click To Cycle)");
    EXPECT_EQ(m_rec.calls, Strings { "tips off=1" });
}

TEST_F(OptionsLogicTest, TheCloseBoxAsksAfterAChangeAndFollowsTheAnswer)
{
    // The answer, whether the window closes, the stored value.
    for (auto [answer, closes, stored] : { std::tuple(Answer::Cancel, false, 0),
             std::tuple(Answer::No, true, 0), std::tuple(Answer::Yes, true, 1) }) {
        m_logic.open();
        m_logic.clickCheck(OptionsCheck::StoreDuplicateUrls, true);
        m_rec.answer = answer;
        EXPECT_EQ(m_logic.closeRequested(), closes);
        EXPECT_EQ(view().closed, closes);
        EXPECT_EQ(m_shared.OptionsWindowOpen && m_shared.ModalWindowOpen, !closes);
        EXPECT_EQ(m_shared.settings.StoreDuplicateUrls, stored);
    }
    EXPECT_EQ(m_rec.asked, Strings(3, std::string(kOptionsNotSavedQuestion)));
}

TEST(SuggestionMail, IsAddressedWithSubjectAndBodyEncoded)
{
    EXPECT_EQ(suggestionMailUrl("bugs+sg@example.org"),
        "mailto:bugs%2Bsg@example.org?subject=Suggestions%20And%20Bugs"
        "&body=Suggestions%20And%20Bugs");
    EXPECT_EQ(versionLabel(2, 0, 0), "Vs.2.0.0");
}
