#include "platform/startup_environment.h"
#include "platform/termination_signals.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/boot_error_dialog.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Skyglass2"));
    // The program ends when its last main window has closed and saved, not when Qt sees no
    // visible window: a closing main window hides itself while it waits.
    QApplication::setQuitOnLastWindowClosed(false);

    // The whole command line is one address or path.
    std::string commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    const sg::StartupOutcome outcome
        = sg::runStartupSequence(sg::platform::startupEnvironment(commandLine));
    if (!outcome.ok) {
        sg::ui::BootErrorDialog error(QString::fromStdString(outcome.BootErrorText));
        error.exec();
        return 1;
    }
    sg::ui::Application app(outcome.state);
    QObject::connect(
        &app, &sg::ui::Application::ended, &qtApp, &QCoreApplication::quit, Qt::QueuedConnection);
    sg::platform::TerminationSignals termination;
    QObject::connect(&termination, &sg::platform::TerminationSignals::received, &app,
        &sg::ui::Application::endSession);
    app.start();
    return qtApp.exec();
}
