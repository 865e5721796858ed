#pragma once
// What the window and end-to-end tests share: the real start-up sequence in the test's
// data home, the open main windows, and served test pages.

#include "startup/startup_sequence.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <Qt>
#include <filesystem>
#include <memory>

class QWidget;

namespace sg::ui {
class Application;
class MainWindow;
} // namespace sg::ui

namespace sgtest {

// A page load under xvfb, helper processes included, can take a while.
inline constexpr int kLoadTimeoutMs = 30000;

// A new, empty data home for one test: XDG_DATA_HOME points into it while it lives.
std::unique_ptr<QTemporaryDir> useNewDataHome();

// The visible main windows.
QList<sg::ui::MainWindow*> mainWindows();

// The start-up sequence as the program runs it, with the shipped data of the build and
// the user's data under the current XDG_DATA_HOME.
sg::StartupOutcome startUp(const QString& commandLine = {});

class PageServer;

// The program run inside a window test: a new data home, a page server, and the application
// once started. Going, it closes every main window and waits for them to be gone.
class RunningProgram {
public:
    RunningProgram();
    ~RunningProgram();

    // Runs the start-up sequence with this command line and shows the first main window;
    // false when the start-up failed. refreshTickMs is a minute of the refresh countdown.
    bool start(const QString& commandLine = {}, int refreshTickMs = 60000);
    sg::ui::Application& app() const { return *m_app; }
    PageServer& server() const { return *m_server; }
    sg::ui::MainWindow* firstWindow() const { return m_first; }
    std::filesystem::path userData() const;

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<PageServer> m_server;
    std::unique_ptr<sg::ui::Application> m_app;
    sg::ui::MainWindow* m_first = nullptr;
};

// A key of a window: the action whose shortcut it is is triggered, as the key does while the
// window is active (which other test programs on the display may take from it). False when
// no enabled action has that shortcut.
bool pressShortcut(QWidget* window, Qt::Key key);

} // namespace sgtest
