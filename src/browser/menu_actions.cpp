#include "browser/menu_actions.h"

#include "common/file_io.h"
#include "sitelists/shortcut_file.h"

namespace sg {

void MenuActions::load()
{
    m_textSize = m_c.shared.TextZoom;
    m_c.view.menuCheck(textSizeItem(m_textSize)) = true;
    // A page starts at its own size.
    if (m_textSize != kMediumTextSize)
        m_c.browser.setTextZoom(m_textSize);
    showLauncherCaptions();
}

void MenuActions::showLauncherCaptions()
{
    for (const LauncherCaption launcher :
        { LauncherCaption::Messenger, LauncherCaption::MailProgram })
        m_c.view.launcherCaption(launcher) = launcherCaptionText(m_c.settings(), launcher);
}

bool MenuActions::run(MenuCommand command)
{
    BrowserControl& browser = m_c.browser;
    BrowserApp& app = m_c.app;
    const Settings& st = m_c.settings();
    if (const auto size = textSizeOf(command)) {
        setTextSize(*size);
        return true;
    }
    switch (command) {
    case MenuCommand::OpenFile:
        openFile();
        break;
    case MenuCommand::SavePageAs:
        browser.savePage();
        break;
    case MenuCommand::SelectAll:
        browser.focusPage();
        browser.selectAll();
        break;
    case MenuCommand::FindOnPage:
        browser.focusPage();
        browser.findInPage();
        break;
    case MenuCommand::PrintPage:
        browser.focusPage();
        browser.print();
        break;
    case MenuCommand::PageProperties:
        browser.showPageProperties();
        break;
    case MenuCommand::ChooseListFont:
        chooseListFont();
        break;
    case MenuCommand::NetworkSettings:
        app.openNetworkSettings();
        break;
    case MenuCommand::CategorySlideshow:
        app.startSlideshow();
        break;
    case MenuCommand::OpenFavorite:
        openFavorite();
        break;
    case MenuCommand::StartMessenger:
        app.startProgram(st.MessengerPath);
        break;
    case MenuCommand::OpenMailProgram:
        app.startProgram(st.MailAppPath);
        break;
    case MenuCommand::CreateNewMail:
        app.openNewMail();
        break;
    case MenuCommand::StartMailChecker:
        startMailChecker();
        break;
    case MenuCommand::HelpPage:
        openHelpPage();
        break;
    default:
        return false;
    }
    return true;
}

void MenuActions::openFile()
{
    std::string& folder = m_c.shared.LastOpenFolder;
    const auto path = [&] {
        const ModalWindowHold hold(m_c.shared);
        return m_c.host.chooseFileToOpen(openFileChoice(folder));
    }();
    if (!path)
        return;
    folder = folderOfOpenedFile(*path);
    m_navigator.openAddress(*path);
}

void MenuActions::openFavorite()
{
    const auto path = [&] {
        const ModalWindowHold hold(m_c.shared);
        return m_c.host.chooseFileToOpen(favoriteFileChoice(m_c.shared.paths.FavoritesDir));
    }();
    if (!path)
        return;
    const auto address = ReadShortcutUrl(*path, kMaxShortcutUrlLength);
    if (address && !address->empty())
        m_navigator.openAddress(*address);
}

void MenuActions::openHelpPage()
{
    const std::filesystem::path page = helpPagePath(m_c.shared.paths);
    if (FileMissing(page) != 0) {
        const ModalWindowHold hold(m_c.shared);
        m_c.host.showMessage(helpPageMissingText());
        return;
    }
    m_navigator.openAddress(page.string());
}

void MenuActions::chooseListFont()
{
    Settings& st = m_c.settings();
    const auto chosen = [&] {
        const ModalWindowHold hold(m_c.shared);
        return m_c.host.chooseListFont(listFontDialogStart(st));
    }();
    if (!chosen)
        return;
    const ListFont font = cappedListFont(*chosen);
    st.FontName = font.name;
    st.FontBold = font.bold;
    st.FontSize = static_cast<float>(font.size);
    m_toolbar.applyListFont();
    m_toolbar.layoutControls();
    m_selector.fitHeights();
    m_c.app.listFontChanged();
}

void MenuActions::setTextSize(int size)
{
    m_c.view.menuCheck(textSizeItem(m_textSize)) = false;
    m_textSize = size;
    m_c.shared.TextZoom = size;
    m_c.view.menuCheck(textSizeItem(size)) = true;
    m_c.browser.setTextZoom(size);
}

void MenuActions::startMailChecker()
{
    const std::filesystem::path program = mailCheckerPath(m_c.shared.paths);
    if (FileMissing(program) != 0) {
        const ModalWindowHold hold(m_c.shared);
        m_c.host.showMessage(std::string(kMailCheckerMissingText));
        return;
    }
    m_c.app.startProgram(program.string());
}

} // namespace sg
