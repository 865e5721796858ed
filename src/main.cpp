#include "common/program_version.h"
#include "platform/instance_channel.h"
#include "platform/paths.h"
#include "platform/startup_environment.h"
#include "platform/termination_signals.h"
#include "startup/command_line.h"
#include "startup/hand_over.h"
#include "startup/startup_helpers.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/boot_error_dialog.h"
#include "ui/program_message_box.h"

#include <QApplication>
#include <QIcon>
#include <iostream>
#include <string_view>

namespace {

// A message before any window: on stderr, and in the program's message box when there is
// a display.
void tell(int argc, char** argv, std::string_view text)
{
    std::cerr << text << std::endl;
    if (sg::platform::displayAvailable()) {
        QApplication qtApp(argc, argv);
        sg::ui::showProgramMessage(nullptr, text);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const sg::ProgramCommandLine line
        = sg::readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const std::filesystem::path userDataDir = sg::userDataDirFor(sg::platform::profileDir());
    if (line.request == sg::CommandLineRequest::Help) {
        std::cout << sg::usageText(userDataDir);
        return 0;
    }
    if (line.request == sg::CommandLineRequest::Version) {
        std::cout << sg::versionText(sg::kProgramVersion);
        return 0;
    }

    // One running copy per user and data folder: a second start hands its command line
    // over and ends, before any window or engine starts.
    sg::platform::InstanceChannel channel(userDataDir);
    switch (channel.start(line.text)) {
    case sg::platform::InstanceChannel::Start::HandedOver:
        return 0;
    case sg::platform::InstanceChannel::Start::NotTaken:
        tell(argc, argv, sg::kAlreadyRunningText);
        return 1;
    case sg::platform::InstanceChannel::Start::First:
        break;
    }
    // Run as root with the engine's sandbox on, the engine would end the program with only
    // a line of its own log: the user is told why and what to do instead.
    if (sg::platform::engineRefusesRoot()) {
        channel.close();
        tell(argc, argv, sg::kRootSandboxText);
        return 1;
    }

    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Skyglass2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("skyglass2"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("skyglass2")));
    // The program ends when its last main window has closed and saved, not when Qt sees no
    // visible window: a closing main window hides itself while it waits.
    QApplication::setQuitOnLastWindowClosed(false);

    const sg::StartupOutcome outcome
        = sg::runStartupSequence(sg::platform::startupEnvironment(line.text));
    if (!outcome.ok) {
        channel.close();
        sg::ui::BootErrorDialog error(QString::fromStdString(outcome.BootErrorText));
        error.exec();
        return 1;
    }
    sg::ui::Application app(outcome.state);
    // exit(), not quit(): quit() first closes every window, and a window that only hides
    // itself or waits before it closes (the main, full-screen and History windows) would
    // cancel it.
    QObject::connect(
        &app, &sg::ui::Application::ended, &qtApp, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    sg::platform::TerminationSignals termination;
    QObject::connect(&termination, &sg::platform::TerminationSignals::received, &app,
        &sg::ui::Application::endSession);
    app.start();
    channel.serve(
        [&app](const std::string& commandLine) { return app.receiveHandOver(commandLine); });
    const int code = qtApp.exec();
    channel.close();
    return code;
}
