#include "ui/application.h"

#include "platform/connectivity.h"
#include "platform/launchers.h"
#include "platform/sound_player.h"
#include "platform/startup_environment.h"
#include "platform/web_browser.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "ui/about_window.h"
#include "ui/full_screen_window.h"
#include "ui/history_window.h"
#include "ui/list_editor_window.h"
#include "ui/main_window.h"
#include "ui/options_window.h"
#include "ui/program_message_box.h"
#include "ui/suggestions_window.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWebEngineProfile>
#include <algorithm>
#include <optional>
#include <tuple>

namespace sg::ui {
namespace {

QString pathIn(const AppPaths& paths, const char* relative)
{
    return QString::fromStdString((paths.AppDir / relative).string());
}

} // namespace

Application::Application(const StartupState& startup, ApplicationOptions options)
    : m_options(options)
    , m_shared(sharedStateFromStartup(startup))
    , m_history(std::make_unique<HistoryWriter>(startup.paths.HistoryDir, m_clock))
    , m_profile(new QWebEngineProfile(QStringLiteral("Skyglass2"), this))
    , m_offline(new platform::OfflineMode(this))
    , m_click(new platform::SoundPlayer(pathIn(startup.paths, "Images/Click.wav"), this))
    , m_boom(new platform::SoundPlayer(pathIn(startup.paths, "Images/Kill-Popz.wav"), this))
    , m_boomTimer(new QTimer(this))
{
    m_boomTimer->setSingleShot(true);
    m_boomTimer->setInterval(100);
    connect(m_boomTimer, &QTimer::timeout, m_boom, &platform::SoundPlayer::play);
    watchWorkAreas();
}

Application::~Application()
{
    // The once-only windows hold references into this object: they go first, without
    // their closing steps or calling back.
    const QList<QWidget*> extras = { m_windows.listEditor, m_windows.history, m_windows.fullScreen,
        m_windows.options, m_windows.about, m_windows.suggestions };
    for (QWidget* extra : extras) {
        if (extra) {
            extra->disconnect();
            delete extra;
        }
    }
    // Every page goes before its profile; a main window leaves the registry as it goes.
    while (!m_windows.mainWindows().empty())
        delete m_windows.mainWindows().back();
}

MainWindowServices Application::services()
{
    return { m_shared, *this, *m_history, m_clock, m_random };
}

MainWindow* Application::start()
{
    return createMainWindow();
}

MainWindow* Application::createMainWindow()
{
    auto* window = new MainWindow(*this);
    window->forward([](auto& logic) { logic.load(); });
    window->show();
    window->raise();
    window->activateWindow();
    emit mainWindowCreated(window);
    return window;
}

QWebEnginePage* Application::hostNewWindow(
    NewWindowTarget target, QWebEnginePage::WebWindowType type)
{
    if (target == NewWindowTarget::FullScreen)
        return fullScreenPage();
    if (target != NewWindowTarget::NewMainWindow)
        return nullptr;
    MainWindow* window = createMainWindow();
    // A script pop-up opened with window features asks for a window without toolbar.
    if (type == QWebEnginePage::WebDialog)
        window->forward([](auto& logic) { logic.onToolbarRequested(false); });
    // A window opened for a page may be closed by it again (window.close()).
    connect(
        window->browser()->page(), &QWebEnginePage::windowCloseRequested, window, &QWidget::close);
    return window->browser()->page();
}

void Application::mainWindowPainted(MainWindow* window)
{
    if (!m_fontsChecked) {
        m_fontsChecked = true;
        Settings& st = m_shared.settings;
        const auto font = [&st] { return std::tuple(st.FontName, st.FontSize, st.FontBold); };
        const auto before = font();
        chooseDisplayFont(st, platform::installedFontFamilies());
        if (font() != before) {
            for (MainWindow* each : m_windows.mainWindows())
                each->forward([](auto& logic) { logic.applyListFont(); });
        }
    }
    window->forward([](auto& logic) { logic.loadSiteSelectors(); });
}

void Application::mainWindowClosed(MainWindow* window, const CloseOutcome& outcome)
{
    // Out of the count at once: windows closed together each see the others go.
    m_windows.removeMainWindow(window);
    if (m_ending)
        return; // the session's end has saved already
    const SettingsSave saved
        = saveSettingsFile(m_shared.paths.SettingsPath, m_shared.settings, outcome.perWindow);
    if (saved)
        emit settingsSaved();
    else
        showProgramMessage(nullptr, saved.message);
    if (!m_windows.mainWindows().empty())
        return;
    // The last main window unloads the others; the History window purges as it closes.
    m_ending = true;
    if (m_windows.history)
        m_windows.history->close();
    if (m_windows.listEditor)
        m_windows.listEditor->close();
    if (m_windows.fullScreen)
        m_windows.fullScreen->hide();
    if (m_windows.about)
        m_windows.about->close();
    if (m_windows.suggestions)
        m_windows.suggestions->close();
    emit ended();
}

void Application::endSession()
{
    if (m_ending)
        return;
    // The History window hands in its placement and purges, as when the user closes it.
    if (m_windows.history)
        m_windows.history->close();
    // Every main window hands in its values; the one used last does so last and wins.
    std::vector<MainWindow*> windows = m_windows.mainWindows();
    if (MainWindow* active = m_windows.activeMainWindow()) {
        std::erase(windows, active);
        windows.push_back(active);
    }
    std::optional<CloseOutcome> last;
    for (MainWindow* window : windows)
        last = window->forward([](auto& logic) { return logic.finishClose(); });
    m_ending = true;
    if (last && saveSettingsFile(m_shared.paths.SettingsPath, m_shared.settings, last->perWindow))
        emit settingsSaved();
    emit ended();
}

void Application::startProgram(const std::string& path)
{
    platform::startProgram(path);
}

void Application::openNewMail()
{
    platform::openNewMail();
}

void Application::openNetworkSettings()
{
    platform::startNetworkSettings();
}

void Application::listFontChanged()
{
    if (m_windows.history)
        m_windows.history->applyListFont();
}

void Application::watchWorkAreas()
{
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, [this] {
            if (m_windows.fullScreen)
                m_windows.fullScreen->fitToWorkArea();
        });
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, watch);
}

void Application::playClickSound()
{
    m_click->play();
}

void Application::startBoomSound()
{
    m_boomTimer->start();
}

ConnectionState Application::connectionState()
{
    return platform::queryConnectionState();
}

void Application::autodial()
{
    platform::startNetworkSettings();
}

bool Application::SetOffline()
{
    // Requests only pass through the interceptor while offline.
    m_offline->setOffline(true);
    m_profile->setUrlRequestInterceptor(m_offline);
    return true;
}

bool Application::SetOnline()
{
    m_offline->setOffline(false);
    m_profile->setUrlRequestInterceptor(nullptr);
    return true;
}

ListEditorWindow* Application::listEditor() const
{
    return m_windows.listEditor;
}

FullScreenWindow* Application::fullScreenWindow() const
{
    return m_windows.fullScreen;
}

HistoryWindow* Application::historyWindow() const
{
    return m_windows.history;
}

void Application::refillSiteSelectors()
{
    for (MainWindow* window : m_windows.mainWindows())
        window->forward([](auto& logic) { logic.loadSiteSelectors(); });
}

void Application::toolTipsChanged()
{
    for (MainWindow* window : m_windows.mainWindows())
        window->forward([](auto& logic) { logic.applyToolTips(); });
    if (m_windows.fullScreen)
        m_windows.fullScreen->applyToolTips();
    if (m_windows.history)
        m_windows.history->applyToolTips();
}

void Application::popUpModesChanged()
{
    for (MainWindow* window : m_windows.mainWindows())
        window->forward([](auto& logic) { logic.showPopUpModes(); });
}

void Application::offlineStateChanged()
{
    for (MainWindow* window : m_windows.mainWindows())
        window->forward([](auto& logic) { logic.showOfflineState(); });
}

void Application::navigateActiveMainWindow(const std::string& address)
{
    MainWindow* window = m_windows.activeMainWindow();
    if (!window || !window->isVisible())
        return;
    window->browser()->navigate(address);
    bringToFront(window);
}

void bringToFront(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

} // namespace sg::ui
