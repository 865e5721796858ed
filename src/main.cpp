#include "platform/startup_environment.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/boot_error_dialog.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Skyglass2"));

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
    app.start();
    return qtApp.exec();
}
