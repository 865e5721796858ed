#include "program_fixture.h"

#include "page_server.h"
#include "platform/paths.h"
#include "startup/startup_helpers.h"
#include "ui/application.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace sgtest {

std::unique_ptr<QTemporaryDir> useNewDataHome()
{
    auto home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", home->path().toUtf8());
    return home;
}

QList<sg::ui::MainWindow*> mainWindows()
{
    QList<sg::ui::MainWindow*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<sg::ui::MainWindow*>(w); form && form->isVisible())
            windows.append(form);
    }
    return windows;
}

sg::StartupOutcome startUp(const QString& commandLine)
{
    sg::StartupEnvironment env;
    env.commandLine = commandLine.toStdString();
    env.executableDir = SKYGLASS_BIN_DIR;
    env.profileDir = sg::platform::profileDir();
    env.screenWidthTwips = 1600 * 15;
    env.screenHeightTwips = 1000 * 15;
    env.installedFonts = { "DejaVu Sans" };
    return sg::runStartupSequence(env);
}

RunningProgram::RunningProgram()
    : m_home(useNewDataHome())
    , m_server(std::make_unique<PageServer>())
{
}

RunningProgram::~RunningProgram()
{
    for (sg::ui::MainWindow* w : mainWindows())
        w->close();
    // Closing windows go on their own; the wait only gives them the time.
    (void)QTest::qWaitFor([] { return mainWindows().isEmpty(); }, 5000);
    m_app.reset();
}

bool RunningProgram::start(const QString& commandLine, int refreshTickMs)
{
    const sg::StartupOutcome outcome = startUp(commandLine);
    if (!outcome.ok)
        return false;
    m_app = std::make_unique<sg::ui::Application>(
        outcome.state, sg::ui::ApplicationOptions { refreshTickMs });
    m_first = m_app->start();
    return true;
}

std::filesystem::path RunningProgram::userData() const
{
    return sg::userDataDirFor(sg::platform::profileDir());
}

bool pressShortcut(QWidget* window, Qt::Key key)
{
    for (QAction* action : window->actions()) {
        if (action->shortcut() == QKeySequence(key) && action->isEnabled()) {
            action->trigger();
            return true;
        }
    }
    return false;
}

} // namespace sgtest
