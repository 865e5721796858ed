#include "ui/application.h"

#include "platform/connectivity.h"
#include "platform/sound_player.h"
#include "platform/web_browser.h"
#include "settings/settings_file.h"
#include "ui/full_screen_window.h"
#include "ui/history_window.h"
#include "ui/list_editor_window.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWebEngineProfile>
#include <algorithm>
#include <optional>

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
}

Application::~Application()
{
    // The once-only windows hold references into this object: they go first, without
    // their closing steps or calling back.
    const QList<QWidget*> extras = { m_listEditor, m_historyWindow, m_fullScreen };
    m_listEditor = nullptr;
    m_historyWindow = nullptr;
    m_fullScreen = nullptr;
    for (QWidget* extra : extras) {
        if (extra) {
            extra->disconnect();
            delete extra;
        }
    }
    // Every page goes before its profile.
    QList<QPointer<MainWindow>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<MainWindow*>(w))
            windows.append(form);
    }
    for (const QPointer<MainWindow>& form : windows)
        delete form.data();
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
    window->logic().Load();
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
        window->logic().OnToolBar(false);
    // A window opened for a page may be closed by it again (window.close()).
    connect(
        window->browser()->page(), &QWebEnginePage::windowCloseRequested, window, &QWidget::close);
    return window->browser()->page();
}

void Application::mainWindowClosed(const CloseOutcome& outcome)
{
    if (m_ending)
        return; // the session's end has saved already
    if (saveSettingsFile(m_shared.paths.SettingsPath, m_shared.settings, outcome.perWindow))
        emit settingsSaved();
    if (!outcome.lastMainWindow)
        return;
    // The last main window unloads the others; the History window purges as it closes.
    m_ending = true;
    if (m_historyWindow)
        m_historyWindow->close();
    if (m_listEditor)
        m_listEditor->close();
    if (m_fullScreen)
        m_fullScreen->hide();
    emit ended();
}

void Application::endSession()
{
    if (m_ending)
        return;
    // The History window hands in its placement and purges, as when the user closes it.
    if (m_historyWindow)
        m_historyWindow->close();
    std::vector<MainWindowLogic*> windows = m_shared.windows.windows();
    const auto active = std::find_if(windows.begin(), windows.end(),
        [this](MainWindowLogic* w) { return w->state().WindowId == m_shared.ActiveWindowId; });
    if (active != windows.end())
        std::rotate(active, active + 1, windows.end());
    std::optional<CloseOutcome> last;
    for (MainWindowLogic* window : windows)
        last = window->finishClose();
    m_ending = true;
    if (last && saveSettingsFile(m_shared.paths.SettingsPath, m_shared.settings, last->perWindow))
        emit settingsSaved();
    emit ended();
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

} // namespace sg::ui
