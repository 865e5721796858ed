// The main menu's tree and entries, the connection and offline state the status timer shows,
// and the clock.

#include "browser/connection_status.h"
#include "browser/menu_rules.h"
#include "browser_fakes.h"

using namespace sg;
using namespace sgtest;

namespace {

// One line per entry: indented by depth; "-" a separator; "*" a check mark; "!" a group;
// "@" a caption that follows the settings.
void describe(std::span<const MenuEntry> entries, int depth, std::string& out)
{
    for (const MenuEntry& e : entries) {
        out += std::string(std::size_t(depth) * 2, ' ');
        out += e.kind == MenuEntry::Kind::Separator ? "-" : std::string(e.caption);
        out += std::string(e.check ? "*" : "") + (e.exclusive ? "!" : "") + (e.launcher ? "@" : "");
        out += '\n';
        describe(e.submenu, depth + 1, out);
    }
}

TEST(MainMenu, TreeInOrderWithExactCaptions)
{
    std::string tree;
    describe(mainMenu(), 0, tree);
    // One source line per group of the menu.
    EXPECT_EQ(tree,
        "&File >>\n  &Open\n  &SaveAs\n-\n"
        "&Edit >>\n  &Select All          Ctrl+A\n  -\n  &Find (On This Page)          Ctrl+F\n-\n"
        "&Print          Ctrl+P\n-\n"
        "&View >>\n  Status&Bar*\n  &Refresh          F5\n  &Stop               Esc\n-\n"
        "&Text >>\n  &Fonts (App Window)\n  &Text Size (Web Page) >>!\n"
        "    Larg&est*\n    &Larger*\n    &Medium*\n    &Smaller*\n    Sm&allest*\n-\n"
        "&Options >>\n  &Start Page && Options (This App)\n  &Internet Options (All Apps)\n-\n"
        "&New Browser Window\nFull &Screen Window        F11\n"
        "&Category Slideshow (Full Screen)\n&History Window\n&List Window  (Edit Selectors)\n-\n"
        "&Kill Pop-Up Ad Windows*\n&Kill Pop-Up Ads w/Boom*\n&Disable Script Error Msg*\n-\n"
        "&Internet Explorer Favorites\n&Windows Messenger@\n"
        "&Outlook &Express@\n  &Open Mail App\n  &Create New Mail\n&Mailpeek email\n-\n"
        "&Help >>\n  &Help Page (Local)\n  &About\n  &Suggestions && Bugs\n  -\n"
        "  &Properties\n  &Work Offline*\n  &Close\n");
    std::string mail;
    describe(mailMenu(), 0, mail);
    EXPECT_EQ(mail, "&Open Mail App\n&Create New Mail\n&Mailpeek email\n");

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
    a.logic.onTitleChanged("Radar");
    a.logic.onStatusTick();
    EXPECT_EQ(a.view()[Control::ConnectionButton].text, "iNet");
    EXPECT_EQ(a.view().caption, "Radar - Skyglass2");

    a.logic.onMenuCommand(MenuCommand::WorkOffline);
    EXPECT_TRUE(m_shared.OfflineMode && marked(a) && marked(b));
    EXPECT_EQ(b.view()[Control::HistoryMailOfflineButton].toolTip,
        "Working Offline - Now = True (Right-Click To Cycle)");
    // A new page's title keeps the mark, once; the user's own choice survives the connection.
    a.logic.onTitleChanged("Storm");
    a.logic.onStatusTick();
    a.logic.onStatusTick();
    EXPECT_EQ(a.view().caption, "Storm - Skyglass2 - [working offline]");
    EXPECT_TRUE(m_shared.OfflineMode);

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
    EXPECT_EQ(a.view().caption, "Storm - Skyglass2");
}

TEST_F(Menu, ClockHidesAndSwitchesToUtcEvenWhileHidden)
{
    TestWindow& w = open();
    w.host.clock = { "2:08:35 PM", 9, 5, 7 };
    w.logic.onStatusTick();
    EXPECT_EQ(w.view().panels[1].text, "2:08:35 PM ");
    w.logic.onClockPanelDoubleClick();
    EXPECT_EQ(w.view().panels[1].text, "");
    EXPECT_EQ(m_shared.settings.ClockHidden, 1);
    w.logic.onStatusBarRightClick();
    w.logic.onStatusTick();
    EXPECT_EQ(w.view().panels[1].text, "");
    EXPECT_EQ(m_shared.settings.ClockUtc, 1);
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
    EXPECT_EQ(w.host.fileDialogs.back().initialFolder, "/");
    EXPECT_EQ(m_shared.LastOpenFolder, "/home/me/docs");

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
    w.host.modalFlag = &m_shared.ModalWindowOpen;
    w.logic.onMenuCommand(MenuCommand::HelpPage);
    w.logic.onMenuCommand(MenuCommand::StartMailChecker);
    EXPECT_EQ(w.host.messages,
        (std::vector<std::string> { "The Skyglass2 Help file Is Missing.",
            ".../Mailpeek/Mailpeek Is Not Installed.\nIt Is A Separate Add-In Utility\n"
            "Available From Larkspur Software" }));
    EXPECT_TRUE(w.host.modalWhileAsked);
    EXPECT_FALSE(m_shared.ModalWindowOpen);

    writeBytes(m_shared.paths.AppDir / "Skyglass2Help.htm", bytesOf("<html></html>"));
    std::filesystem::create_directory(m_dir / "Mailpeek");
    writeBytes(m_dir / "Mailpeek" / "Mailpeek", bytesOf("#!/bin/sh\n"));
    w.logic.onMenuCommand(MenuCommand::HelpPage);
    EXPECT_EQ(w.browser.calls.back(),
        "navigate " + (m_shared.paths.AppDir / "Skyglass2Help.htm").string());
    w.logic.onMenuCommand(MenuCommand::StartMailChecker);
    EXPECT_EQ(m_app.calls.back(), "start " + (m_dir / "Mailpeek" / "Mailpeek").string());
    EXPECT_EQ(w.host.messages.size(), 2u);
}

TEST_F(Menu, TextSizeFontsAndLaunchers)
{
    TestWindow& w = open();
    const auto checkedSizes = [&] {
        std::string marks;
        for (int size = 0; size < 5; ++size)
            marks += w.view().menuCheck(textSizeItem(size)) ? 'x' : '.';
        return marks;
    };
    EXPECT_EQ(checkedSizes(), "..x..");
    w.logic.onMenuCommand(MenuCommand::TextLarger);
    EXPECT_EQ(checkedSizes(), "...x.");
    EXPECT_EQ(w.browser.calls.back(), "zoom 3");
    w.logic.onMenuCommand(MenuCommand::TextSmallest);
    EXPECT_EQ(checkedSizes(), "x....");

    // A new window's page takes the size chosen last.
    EXPECT_EQ(open().browser.calls.back(), "zoom 0");

    w.host.fontChosen = ListFont { "Serif", false, 12.25 };
    w.logic.onMenuCommand(MenuCommand::ChooseListFont);
    EXPECT_EQ(m_shared.settings.FontSize, 12.25f);
    w.host.fontChosen = ListFont { "DejaVu Sans", true, 14 };
    w.logic.onMenuCommand(MenuCommand::ChooseListFont);
    EXPECT_EQ(w.host.count("font dialog Arial 9.000000"), 1);
    EXPECT_EQ(w.host.calls.back(), "font");
    EXPECT_EQ(m_app.calls.back(), "list font");
    EXPECT_TRUE(m_shared.settings.FontName == "DejaVu Sans" && m_shared.settings.FontBold);
    EXPECT_EQ(m_shared.settings.FontSize, 12);

    m_shared.settings.MessengerPath = "/usr/bin/messenger";
    m_shared.settings.MailAppPath = "/usr/bin/mail";
    w.logic.onMenuCommand(MenuCommand::StartMessenger);
    w.logic.onMenuCommand(MenuCommand::OpenMailProgram);
    w.logic.onMenuCommand(MenuCommand::CreateNewMail);
    w.logic.onMenuCommand(MenuCommand::NetworkSettings);
    w.logic.onAddressTextEdited("radar.example");
    w.logic.onMenuCommand(MenuCommand::OptionsWindow);
    EXPECT_EQ(std::vector<std::string>(m_app.calls.end() - 5, m_app.calls.end()),
        (std::vector<std::string> { "start /usr/bin/messenger", "start /usr/bin/mail", "new mail",
            "network settings", "options radar.example" }));

    m_shared.settings.MailAppCaption = "Thunderbird";
    w.logic.onMenuButtonClick();
    EXPECT_EQ(w.view().launcherCaptions[1], "&Thunderbird");
}

} // namespace
