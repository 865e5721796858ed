#pragma once
// The running program: the shared values, the browser profile, the sounds and the open
// windows. It makes the main windows and hosts the windows that pages open.

#include "browser/browser_app.h"
#include "browser/main_window_logic.h"
#include "browser/shared_browser_state.h"
#include "browser/window_id.h"
#include "common/date_time.h"
#include "history/history_writer.h"
#include "sitelists/list_editor.h"
#include "startup/hand_over.h"
#include "startup/instance_message.h"
#include "ui/window_registry.h"

#include <QObject>
#include <QWebEnginePage>
#include <memory>

class QWebEngineProfile;
class QTimer;

namespace sg::platform {
class OfflineMode;
class SoundPlayer;
} // namespace sg::platform

namespace sg::ui {

class MainWindow;
class ListEditorWindow;
class FullScreenWindow;
class HistoryWindow;

// Settings a test or benchmark may change; the program runs with the defaults.
struct ApplicationOptions {
    int refreshTickMs = 60000; // one minute of the refresh countdown
};

// Shows a window of the program (restored when minimised), raised and active.
void bringToFront(QWidget* window);

class Application final : public QObject, public BrowserApp {
    Q_OBJECT
public:
    Application(const StartupState& startup, ApplicationOptions options = {});
    ~Application() override;

    SharedBrowserState& shared() { return m_shared; }
    const ApplicationOptions& options() const { return m_options; }
    QWebEngineProfile* profile() const { return m_profile; }
    MainWindowServices services();

    // Shows the first main window (its load makes the start navigation).
    MainWindow* start();
    // A new main window, loaded and shown.
    MainWindow* createMainWindow();
    // A main window has painted for the first time: the work its first picture need not
    // wait for follows (the fonts checked once, its site selectors filled).
    void mainWindowPainted(MainWindow* window);
    // The page that hosts a page's new window.
    QWebEnginePage* hostNewWindow(NewWindowTarget target, QWebEnginePage::WebWindowType type);
    // A main window has closed: writes the settings file; the last one unloads the rest
    // and ends the program (ended()).
    void mainWindowClosed(MainWindow* window, const CloseOutcome& outcome);
    // The session ends (the desktop logs out): every main window hands in its values, the
    // active one last, the settings file is written once and the program ends (ended()).
    void endSession();
    // True once the program is ending: nothing more is saved or opened.
    bool ending() const { return m_ending; }
    // A second start of the program handed over its command line (application_instance.cpp).
    InstanceAnswer receiveHandOver(const std::string& commandLine);
    // The list editor opened from the History window with its selected rows.
    void openListEditorFromHistory(const std::vector<HistoryHandOffRow>& rows);
    // The full-screen window's page, for a page's new window (the window is shown).
    QWebEnginePage* fullScreenPage();
    // The open windows.
    WindowRegistry& windows() { return m_windows; }
    ListEditorWindow* listEditor() const;
    FullScreenWindow* fullScreenWindow() const;
    HistoryWindow* historyWindow() const;
    // The History window's choice: the main window activated last goes to the address and
    // comes to the front.
    void navigateActiveMainWindow(const std::string& address);
    // The options window lowered the days to keep: an open History window purges and shows
    // what is left, else the old day files are deleted here (application_options.cpp).
    void historyDaysLowered();

    // BrowserApp.
    void openInFullScreen(const std::string& address) override;
    void playClickSound() override;
    void startBoomSound() override;
    void showHistoryWindow() override;
    void openListEditor(const std::string& pageTitle, const std::string& pageUrl) override;
    void showOptionsWindow(const std::string& currentAddress) override;
    void showAboutWindow() override;
    void showSuggestionsWindow() override;
    void startProgram(const std::string& path) override;
    void openNewMail() override;
    void openNetworkSettings() override;
    // The full-screen window shown with its slideshow panel open (the main menu's entry).
    void startSlideshow() override;
    void listFontChanged() override;
    TodayListListener* todayList() override;
    ConnectionState connectionState() override;
    void autodial() override;
    bool SetOffline() override;
    bool SetOnline() override;
    void refillSiteSelectors() override;
    void toolTipsChanged() override;
    void popUpModesChanged() override;
    void offlineStateChanged() override;

signals:
    void mainWindowCreated(sg::ui::MainWindow* window);
    void settingsSaved();
    // The program has nothing left to show: the event loop may end.
    void ended();

private:
    FullScreenWindow* loadedFullScreenWindow();
    // The full-screen window follows each screen's work area.
    void watchWorkAreas();

    ApplicationOptions m_options;
    SharedBrowserState m_shared;
    SystemClock m_clock;
    SystemRandomSource m_random;
    std::unique_ptr<HistoryWriter> m_history;
    QWebEngineProfile* m_profile;
    platform::OfflineMode* m_offline;
    platform::SoundPlayer* m_click;
    platform::SoundPlayer* m_boom;
    QTimer* m_boomTimer; // the boom sound's one-shot timer
    WindowRegistry m_windows;
    bool m_historyHandOff = false; // the History window opened the list editor
    bool m_ending = false;
    bool m_fontsChecked = false; // the list font checked against the installed fonts
    HandOverReceiver m_handOver;
    bool m_handOverRefusalShown = false; // one refusal box at a time
};

} // namespace sg::ui
