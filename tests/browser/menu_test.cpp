// The main menu's entries, the connection and offline state the status timer shows,
// and the clock.

#include "browser/connection_status.h"
#include "browser/menu_rules.h"
#include "browser_fakes.h"

using namespace sgtest;

TEST(MainMenu, CaptionsSplitIntoTextAndKeyName)
{
    EXPECT_EQ(captionParts("&Stop               Esc").text, "&Stop");
    EXPECT_EQ(captionParts("&Stop               Esc").keyName, "Esc");
    EXPECT_EQ(captionParts("&List Window  (Edit Selectors)").keyName, "");
}

class Menu : public MainWindowFixture { };

TEST_F(Menu, WorkOfflineMarksEveryWindowAndTheTickKeepsTheMark)
{
    TestWindow& a = open();
    TestWindow& b = open();
    b.logic.onSecondCycleButtonRightDown();
    b.logic.onSecondCycleButtonRightDown(); // the Offline state
    const auto marked = [](TestWindow& w) {
        return w.view().menuCheck(MenuItem::WorkOffline)
            && w.view().caption.ends_with("Skyglass2 - [working offline]");
    };
    a.logic.onMenuCommand(MenuCommand::WorkOffline);
    EXPECT_TRUE(m_shared.OfflineMode && marked(a) && marked(b));
    // A new page's title keeps the mark, once; the user's own choice survives the connection.
    a.logic.onTitleChanged("Storm");
    a.logic.onStatusTick();
    a.logic.onStatusTick();
    EXPECT_EQ(a.view().caption, "Storm - Skyglass2 - [working offline]");

    b.logic.onSecondCycleButtonClick(); // the Offline button turns it off again
    EXPECT_FALSE(m_shared.OfflineMode || a.view().menuCheck(MenuItem::WorkOffline));
    EXPECT_EQ(a.view().caption, "Storm - Skyglass2");

    // Offline mode a failed page switched on ends at the first tick with a connection.
    m_app.connection = { false, false };
    a.logic.onNavigationFailed(NavigationFailure::HostNotFound);
    a.logic.onStatusTick();
    EXPECT_EQ(a.view()[Control::ConnectionButton].text, "Off");
    EXPECT_TRUE(m_shared.OfflineMode && marked(a));
    m_app.connection = { true, false };
    b.logic.onStatusTick();
    EXPECT_FALSE(m_shared.OfflineMode);
}

TEST_F(Menu, ClockHidesAndSwitchesToUtcEvenWhileHidden)
{
    TestWindow& w = open();
    w.host.clock = { "2:08:35 PM", 9, 5, 7 };
    w.logic.onStatusTick();
    EXPECT_EQ(w.view().panels[1].text, "2:08:35 PM ");
    w.logic.onClockPanelDoubleClick();
    w.logic.onStatusBarRightClick();
    w.logic.onStatusTick();
    EXPECT_EQ(w.view().panels[1].text, "");
    w.logic.onClockPanelDoubleClick();
    EXPECT_EQ(w.view().panels[1].text, "09:05:07 UTC");
}

TEST_F(Menu, OpenAndFavoritesFollowTheTargetRule)
{
    m_shared.paths.FavoritesDir = (m_dir / "Favorites").string();
    writeBytes(m_dir / "Radar.url", bytesOf("[InternetShortcut]\r\nURL=http://radar.example/\r\n"));
    writeBytes(m_dir / "Other.url", bytesOf("[InternetShortcut]\r\nIcon=0\r\nURL=http://x/\r\n"));
    TestWindow& w = open();

    w.host.fileChosen = "/index.htm";
    w.logic.onMenuCommand(MenuCommand::OpenFile);
    EXPECT_EQ(w.browser.calls.back(), "navigate /index.htm");
    w.host.fileChosen = "/home/me/docs/a.htm";
    w.logic.onMenuCommand(MenuCommand::OpenFile);
    EXPECT_EQ(w.host.fileDialogs.back().initialFolder, "/"); // the last file's folder

    w.logic.onCheckBoxClick(Control::NewWindowBox, true);
    w.host.fileChosen = (m_dir / "Radar.url").string();
    w.logic.onMenuCommand(MenuCommand::OpenFavorite);
    EXPECT_EQ(w.host.fileDialogs.back().initialFolder, m_shared.paths.FavoritesDir);
    EXPECT_EQ(w.browser.calls.back(), "navigateInNewWindow http://radar.example/");
    const auto calls = w.browser.calls.size();
    w.host.fileChosen = (m_dir / "Other.url").string(); // the URL line does not follow
    w.logic.onMenuCommand(MenuCommand::OpenFavorite);
    EXPECT_EQ(w.browser.calls.size(), calls);
}

TEST_F(Menu, HelpPageAndMailCheckerReportWhatIsMissing)
{
    m_shared.paths.AppDir = m_dir / "app";
    std::filesystem::create_directory(m_shared.paths.AppDir);
    TestWindow& w = open();
    w.logic.onMenuCommand(MenuCommand::HelpPage);
    w.logic.onMenuCommand(MenuCommand::StartMailChecker);
    EXPECT_EQ(w.host.messages,
        (std::vector<std::string> { "The Skyglass2 Help file Is Missing.",
            ".../Mailpeek/Mailpeek Is Not Installed.\nIt Is A Separate Add-In Utility\n"
            "Available From Larkspur Software" }));

    writeBytes(m_shared.paths.AppDir / "Skyglass2Help.htm", bytesOf("<html></html>"));
    std::filesystem::create_directory(m_dir / "Mailpeek");
    writeBytes(m_dir / "Mailpeek" / "Mailpeek", bytesOf("#!/bin/sh\n"));
    w.logic.onMenuCommand(MenuCommand::HelpPage);
    EXPECT_EQ(w.browser.calls.back(),
        "navigate " + (m_shared.paths.AppDir / "Skyglass2Help.htm").string());
    w.logic.onMenuCommand(MenuCommand::StartMailChecker);
    EXPECT_EQ(m_app.calls.back(), "start " + (m_dir / "Mailpeek" / "Mailpeek").string());
}

TEST_F(Menu, TextSizeFontsAndLaunchers)
{
    TestWindow& w = open();
    w.logic.onMenuCommand(MenuCommand::TextLarger);
    EXPECT_EQ(w.browser.calls.back(), "zoom 3");
    w.logic.onMenuCommand(MenuCommand::TextSmallest);
    for (int size = 0; size < 5; ++size) // one mark, on the size chosen
        EXPECT_EQ(w.view().menuCheck(textSizeItem(size)), size == 0) << size;

    // A new window's page takes the size chosen last.
    EXPECT_EQ(open().browser.calls.back(), "zoom 0");

    w.host.fontChosen = ListFont { "Serif", false, 12.25 };
    w.logic.onMenuCommand(MenuCommand::ChooseListFont);
    EXPECT_EQ(m_shared.settings.FontSize, 12.25f);
    w.host.fontChosen = ListFont { "DejaVu Sans", true, 14 };
    w.logic.onMenuCommand(MenuCommand::ChooseListFont);
    EXPECT_EQ(w.host.count("font dialog Arial 9.000000"), 1);
    EXPECT_EQ(m_app.calls.back(), "list font");
    EXPECT_TRUE(m_shared.settings.FontName == "DejaVu Sans" && m_shared.settings.FontBold);
    EXPECT_EQ(m_shared.settings.FontSize, 12);

    m_shared.settings.MailAppPath = "/usr/bin/mail";
    w.logic.onMenuCommand(MenuCommand::OpenMailProgram);
    w.logic.onAddressTextEdited(" half-typed.example "); // handed over exactly as it is
    w.logic.onMenuCommand(MenuCommand::OptionsWindow);
    EXPECT_EQ(std::vector<std::string>(m_app.calls.end() - 2, m_app.calls.end()),
        (std::vector<std::string> { "start /usr/bin/mail", "options  half-typed.example " }));

    m_shared.settings.MailAppCaption = "Thunderbird";
    w.logic.onMenuButtonClick();
    EXPECT_EQ(w.view().launcherCaptions[1], "&Thunderbird");
}
