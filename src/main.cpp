#include "platform/paths.h"
#include "platform/startup_environment.h"
#include "platform/termination_signals.h"
#include "startup/command_line.h"
#include "startup/startup_helpers.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/boot_error_dialog.h"
#include "ui/program_message_box.h"

#include <QApplication>
#include <iostream>

namespace {

// Run as root with the engine's sandbox on, the engine would end the program with only a
// line of its own log: the user is told why and what to do instead.
int refuseRoot(int argc, char** argv)
{
    std::cerr << sg::kRootSandboxText << std::endl;
    if (sg::platform::displayAvailable()) {
        QApplication qtApp(argc, argv);
        sg::ui::showProgramMessage(nullptr, sg::kRootSandboxText);
    }
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const sg::ProgramCommandLine line
        = sg::readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.request == sg::CommandLineRequest::Help) {
        std::cout << sg::usageText(sg::userDataDirFor(sg::platform::profileDir()));
        return 0;
    }
    if (line.request == sg::CommandLineRequest::Version) {
        std::cout << sg::versionText(SKYGLASS_VERSION);
        return 0;
    }
    if (sg::platform::engineRefusesRoot())
        return refuseRoot(argc, argv);

    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Skyglass2"));
    // The program ends when its last main window has closed and saved, not when Qt sees no
    // visible window: a closing main window hides itself while it waits.
    QApplication::setQuitOnLastWindowClosed(false);

    const sg::StartupOutcome outcome
        = sg::runStartupSequence(sg::platform::startupEnvironment(line.text));
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
