#include "platform/paths.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/boot_error_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

namespace {

// What the machine tells the start-up sequence.
sg::StartupEnvironment environment(int argc, char** argv)
{
    sg::StartupEnvironment env;
    // The whole command line is one address or path.
    for (int i = 1; i < argc; ++i)
        env.commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    env.executableDir = QCoreApplication::applicationDirPath().toStdString();
    env.profileDir = sg::platform::profileDir();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    env.screenWidthTwips = screen.width() * 15.0;
    env.screenHeightTwips = screen.height() * 15.0;
    for (const QString& family : QFontDatabase::families())
        env.installedFonts.push_back(family.toStdString());
    return env;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Skyglass2"));

    const sg::StartupOutcome outcome = sg::runStartupSequence(environment(argc, argv));
    if (!outcome.ok) {
        sg::ui::FrmErrBoot error(QString::fromStdString(outcome.BootErrorText));
        error.exec();
        return 1;
    }
    sg::ui::Application app(outcome.state);
    app.start();
    return qtApp.exec();
}
