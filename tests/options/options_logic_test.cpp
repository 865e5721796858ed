// The options window's logic against a recording prompter and recording broadcasts: opening,
// the start-page choices, Restore Defaults per tab, the days spin buttons, Save with its
// effects in order, and the close box's three answers.

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
const std::string kChosen = std::string(kStartPageChosenMessage);
const std::string kRestored = std::string(kDefaultsRestoredMessage);

class RecordingPrompter final : public OptionsPrompter {
public:
    Strings told;
    Strings asked;
    Answer answer = Answer::Yes;

    void tell(const std::string& text) override { told.push_back(text); }
    Answer askYesNoCancel(const std::string& text) override
    {
        asked.push_back(text);
        return answer;
    }
};

// Each broadcast with what the settings held when it came.
class RecordingEffects final : public OptionsEffects {
public:
    explicit RecordingEffects(const Settings& s)
        : m_s(s)
    {
    }
    Strings calls;

    void toolTipsChanged() override
    {
        calls.push_back("tool tips off=" + std::to_string(m_s.ToolTipsOff));
    }
    void siteSelectorModeChanged() override
    {
        calls.push_back("selectors separate=" + std::to_string(m_s.SeparateCategorySelector));
    }
    void historyDaysLowered() override
    {
        calls.push_back("purge days=" + std::to_string(m_s.HistoryDaysToKeep));
    }

private:
    const Settings& m_s;
};

class OptionsLogicTest : public ::testing::Test {
protected:
    TempDir m_dir;
    SharedBrowserState m_shared;
    RecordingPrompter m_prompter;
    RecordingEffects m_effects { m_shared.settings };
    OptionsLogic m_logic { m_shared, "https://radar.example/loop ", m_prompter, m_effects };

    OptionsLogicTest()
    {
        Settings& s = m_shared.settings;
        s.StartPage = "https://start.example/";
        s.DeleteWarningsOff = 1;
        s.EditorBackupEnabled = 2; // out of range: unchecked
        s.HideControlsMode = 1;
        s.HistoryDaysToKeep = 30;
        s.MessengerPath = "/usr/bin/pidgin";
        s.MailAppPath = "/usr/bin/thunderbird";
        s.MessengerCaption = "Pidgin";
        s.MailAppCaption = "Thunderbird";
        s.PanelBackColor = static_cast<std::int32_t>(0x80000005u);
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

TEST_F(OptionsLogicTest, OpeningShowsTheSettingsAndCancelLeavesThemAlone)
{
    EXPECT_TRUE(m_shared.OptionsWindowOpen && m_shared.ModalWindowOpen);
    EXPECT_EQ(view().caption, "Start Page & Options - Skyglass2");
    EXPECT_EQ(view().startPageCaptions[0],
        "Set To Skyglass2 Intro-Help Page File On Your Computer");
    EXPECT_EQ(view().startPageText, "https://start.example/");
    EXPECT_EQ(view().checked, (std::array { false, true, false, false, false, false }));
    EXPECT_EQ(view().extraChecked, (std::array { true, false }));
    EXPECT_EQ(view().hideControlsMode, 1);
    EXPECT_EQ(view().daysText, "30");
    EXPECT_EQ(view().launcherText(LauncherBox::MailAppCaption), "Thunderbird");
    EXPECT_EQ(view().tab, OptionsTab::StartPage);
    EXPECT_FALSE(m_logic.changed());
    // The colour operation, on the first activation.
    m_logic.activate();
    EXPECT_EQ(view().colours, (PanelColours { m_shared.settings.PanelBackColor,
                                  static_cast<std::int32_t>(0x80000008u) }));
    EXPECT_EQ(panelColours(static_cast<std::int32_t>(0x8000000Fu)).text,
        static_cast<std::int32_t>(0x80000012u));

    const Settings before = m_shared.settings;
    m_logic.clickCheck(OptionsCheck::ToolTipsOff, true);
    m_logic.cancel();
    EXPECT_EQ(m_shared.settings, before);
    EXPECT_TRUE(view().closed);
    EXPECT_FALSE(m_shared.OptionsWindowOpen || m_shared.ModalWindowOpen);
    EXPECT_TRUE(m_effects.calls.empty());
}

TEST_F(OptionsLogicTest, StartPageChoicesRefuseMissingFilesAndTakeTheBoxOrTheOpenersPage)
{
    m_logic.chooseStartPage(StartPageChoice::HelpPage);
    m_logic.chooseStartPage(StartPageChoice::BlankPage);
    EXPECT_EQ(m_prompter.told,
        (Strings { "The Skyglass2 Help file Is Missing, Select Something Else.",
            "The Skyglass2 DefPage.htm file Is Missing, Select Something Else." }));
    EXPECT_EQ(m_logic.pending().StartPage, "https://start.example/");
    EXPECT_EQ(view().startPageChoice, std::nullopt);
    EXPECT_FALSE(m_logic.changed());

    m_logic.editStartPageText("https://typed.example/");
    EXPECT_EQ(m_logic.pending().StartPage, "https://start.example/"); // typing alone is not a choice
    m_logic.chooseStartPage(StartPageChoice::TypedAddress);
    EXPECT_EQ(m_logic.pending().StartPage, "https://typed.example/");
    m_logic.chooseStartPage(StartPageChoice::CurrentPage);
    EXPECT_EQ(m_logic.pending().StartPage, "https://radar.example/loop "); // exactly as it was
    EXPECT_EQ(view().startPageText, m_logic.pending().StartPage);
    useAppDir(kShippedData);
    m_logic.chooseStartPage(StartPageChoice::HelpPage);
    EXPECT_EQ(m_logic.pending().StartPage, (kShippedData / "Skyglass2Help.htm").string());
    EXPECT_EQ(view().startPageChoice, StartPageChoice::HelpPage);
    EXPECT_EQ(m_prompter.told.size(), 5u);
    EXPECT_EQ(m_prompter.told.back(), kChosen);
    EXPECT_TRUE(m_logic.changed());
}

TEST_F(OptionsLogicTest, RestoreDefaultsActsOnTheShownTabOnly)
{
    // No help page and no DefPage.htm: no page, "No Change".
    m_logic.restoreDefaults();
    EXPECT_EQ(m_logic.pending().StartPage, "");
    EXPECT_EQ(view().startPageChoice, StartPageChoice::NoChange);
    EXPECT_EQ(m_prompter.told, (Strings { std::string(kStartPagesMissingMessage), kRestored }));
    EXPECT_TRUE(m_logic.changed());
    writeBytes(m_dir / "DefPage.htm", bytesOf("<html></html>"));
    m_logic.restoreDefaults();
    EXPECT_EQ(view().startPageText, (m_dir / "DefPage.htm").string());
    EXPECT_EQ(view().startPageChoice, StartPageChoice::BlankPage);
    useAppDir(kShippedData);
    m_logic.restoreDefaults();
    EXPECT_EQ(view().startPageChoice, StartPageChoice::HelpPage);
    EXPECT_EQ(view().daysText, "30");

    m_logic.clickCheck(OptionsCheck::StoreDuplicateUrls, true);
    m_logic.selectTab(OptionsTab::Options);
    m_logic.restoreDefaults();
    EXPECT_EQ(view().checked, (std::array<bool, kOptionsCheckCount> {}));
    EXPECT_EQ(view().hideControlsMode, 0);
    EXPECT_EQ(view().daysText, "7");
    EXPECT_EQ(view().launcherText(LauncherBox::MessengerCaption), "Pidgin");

    // The messenger and mail programs of the shipped settings file.
    for (LauncherBox b : { LauncherBox::MessengerPath, LauncherBox::MailAppCaption })
        m_logic.editLauncherText(b, "x");
    m_logic.selectTab(OptionsTab::MailMessenger);
    m_logic.restoreDefaults();
    EXPECT_EQ(view().launcherTexts,
        (std::array<std::string, kLauncherBoxCount> {
            "/usr/bin/pidgin", "/usr/bin/thunderbird", "Pidgin", "Thunderbird" }));

    m_logic.clickCheck(ExtraCheck::RefreshRecovery, false);
    m_logic.clickCheck(ExtraCheck::LogSecurePages, true);
    m_logic.selectTab(OptionsTab::More);
    m_logic.restoreDefaults();
    EXPECT_EQ(view().extraChecked, (std::array { true, false }));
    EXPECT_EQ(m_prompter.told.size(), 7u);
}

TEST_F(OptionsLogicTest, SpinButtonsStepRepeatAndClampWithoutMarkingAChange)
{
    m_logic.pressSpin(SpinButton::Up, false, false); // not the left button
    EXPECT_EQ(view().daysText, "30");
    EXPECT_EQ(view().spinDelayMs, std::nullopt);

    m_logic.pressSpin(SpinButton::Up, true, false);
    EXPECT_EQ(view().daysText, "31");
    EXPECT_EQ(view().spinDelayMs, kSpinFirstDelayMs);
    m_logic.repeatSpin();
    EXPECT_EQ(view().daysText, "32");
    EXPECT_EQ(view().spinDelayMs, kSpinRepeatDelayMs);
    m_logic.releaseSpin();
    m_logic.repeatSpin(); // a tick after the release does nothing
    EXPECT_EQ(view().daysText, "32");
    EXPECT_EQ(view().spinDelayMs, std::nullopt);

    m_logic.pressSpin(SpinButton::Down, true, true); // Ctrl: steps of 10, down to 0
    for (int i = 0; i < 5; ++i)
        m_logic.repeatSpin();
    EXPECT_EQ(view().daysText, "0");
    m_logic.releaseSpin();
    m_shared.settings.HistoryDaysToKeep = 9995;
    m_logic.open();
    m_logic.pressSpin(SpinButton::Up, true, true);
    EXPECT_EQ(m_logic.pending().HistoryDaysToKeep, kMaxDaysToKeep);
    m_logic.releaseSpin();

    // Only the days changed: the close box closes without asking and drops them.
    EXPECT_TRUE(m_logic.closeRequested());
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(m_shared.settings.HistoryDaysToKeep, 9995);
}

TEST_F(OptionsLogicTest, SaveAppliesInOrderAndTellsTheOtherWindows)
{
    m_logic.chooseStartPage(StartPageChoice::CurrentPage);
    m_logic.clickCheck(OptionsCheck::ToolTipsOff, true);
    m_logic.clickCheck(OptionsCheck::SeparateCategorySelector, true);
    m_logic.clickCheck(OptionsCheck::NewWindowStaysChecked, true);
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

    EXPECT_EQ(m_effects.calls,
        (Strings { "tool tips off=1", "selectors separate=1", "purge days=0",
            "tool tips off=1" })); // the last for the mail program's tool tip
    const Settings& s = m_shared.settings;
    EXPECT_EQ(s.StartPage, "https://radar.example/loop ");
    EXPECT_EQ(s.NewWindowStaysChecked, 1);
    EXPECT_EQ(s.DeleteWarningsOff, 0);
    EXPECT_EQ(s.EditorBackupEnabled, 0);
    EXPECT_EQ(s.HideControlsMode, 2);
    EXPECT_EQ(s.HistoryDaysToKeep, 0);
    EXPECT_EQ(s.MessengerPath, "/opt/chat/bin/chat");
    EXPECT_EQ(s.MailAppCaption, "Mutt");
    EXPECT_EQ(m_shared.toolTips[ToolTip::MailCycle], "Open Mutt (Right-Click To Cycle)");
    // The More tab's switches are in their own file at once.
    EXPECT_TRUE(m_shared.extra.LogSecurePages);
    EXPECT_EQ(readExtraSettingsFile(extraSettingsPath(m_dir.path())), m_shared.extra);
    EXPECT_FALSE(m_shared.OptionsWindowOpen || m_shared.ModalWindowOpen);
    EXPECT_TRUE(view().closed);
}

TEST_F(OptionsLogicTest, RaisedDaysAndAnEmptyMailCaptionAreStoredAsTheyAre)
{
    m_logic.pressSpin(SpinButton::Up, true, false);
    m_logic.releaseSpin();
    m_logic.editLauncherText(LauncherBox::MailAppCaption, "");
    m_logic.save();
    EXPECT_EQ(m_shared.settings.HistoryDaysToKeep, 31);
    EXPECT_EQ(m_shared.settings.MailAppCaption, "");
    EXPECT_EQ(m_shared.toolTips[ToolTip::MailCycle], "Open  (Right-Click To Cycle)");
    EXPECT_EQ(m_effects.calls, Strings { "tool tips off=0" }); // no purge, no reload
    EXPECT_FALSE(fs::exists(extraSettingsPath(m_dir.path()))); // its switches were not touched
}

TEST_F(OptionsLogicTest, TheCloseBoxAsksAfterAChangeAndFollowsTheAnswer)
{
    const std::string question = std::string(kOptionsNotSavedQuestion);
    m_logic.clickCheck(OptionsCheck::StoreDuplicateUrls, true);
    m_prompter.answer = OptionsPrompter::Answer::Cancel;
    EXPECT_FALSE(m_logic.closeRequested());
    EXPECT_TRUE(m_shared.OptionsWindowOpen && m_shared.ModalWindowOpen);
    EXPECT_FALSE(view().closed);
    m_prompter.answer = OptionsPrompter::Answer::No;
    EXPECT_TRUE(m_logic.closeRequested());
    EXPECT_EQ(m_shared.settings.StoreDuplicateUrls, 0);
    EXPECT_FALSE(m_shared.OptionsWindowOpen || m_shared.ModalWindowOpen);

    m_logic.open();
    m_logic.editLauncherText(LauncherBox::MailAppPath, "/usr/bin/evolution"); // typed: a change
    m_prompter.answer = OptionsPrompter::Answer::Yes;
    EXPECT_TRUE(m_logic.closeRequested());
    EXPECT_EQ(m_shared.settings.MailAppPath, "/usr/bin/evolution");
    EXPECT_EQ(m_prompter.asked, (Strings { question, question, question }));
}

TEST_F(OptionsLogicTest, BrowseStartsInTheProgramsFolderAndACancelChangesNothing)
{
    writeBytes(m_dir / "chat", bytesOf("#!/bin/sh\n"));
    m_logic.editLauncherText(LauncherBox::MessengerPath, (m_dir / "chat").string());
    EXPECT_EQ(m_logic.browseFolder(LauncherBox::MessengerPath), m_dir.path().string());
    EXPECT_EQ(browseStartFolder("/no/such/folder/chat"), "/usr/bin");
    EXPECT_EQ(browseStartFolder("chat"), "/usr/bin");

    m_logic.open();
    m_logic.browsed(LauncherBox::MailAppPath, std::nullopt);
    EXPECT_FALSE(m_logic.changed());
    m_logic.browsed(LauncherBox::MailAppPath, "/usr/bin/evolution");
    EXPECT_EQ(view().launcherText(LauncherBox::MailAppPath), "/usr/bin/evolution");
    EXPECT_TRUE(m_logic.changed());
}
