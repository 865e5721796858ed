#include "program_fixture.h"

#include "platform/paths.h"
#include "ui/main_window.h"

#include <QApplication>

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

QByteArray page(const QString& title, const QString& script)
{
    return QStringLiteral("<html><head><title>%1</title></head><body><p>%1</p><script>%2</script>"
                          "</body></html>")
        .arg(title, script)
        .toUtf8();
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

} // namespace sgtest
