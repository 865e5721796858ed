#include "platform/paths.h"
#include "startup/startup_sequence.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <iostream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    sg::StartupEnvironment env;
    for (int i = 1; i < argc; ++i)
        env.commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    env.executableDir = QCoreApplication::applicationDirPath().toStdString();
    env.profileDir = sg::platform::profileDir();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    env.screenWidthTwips = screen.width() * 15.0;
    env.screenHeightTwips = screen.height() * 15.0;
    for (const QString& family : QFontDatabase::families())
        env.installedFonts.push_back(family.toStdString());

    const auto outcome = sg::runStartupSequence(env);
    if (!outcome.ok) {
        std::cerr << outcome.BootErrorText << '\n';
        return 1;
    }
    const auto& st = outcome.state;
    std::cout << "AppDir: " << st.paths.AppDir.string()
              << "\nUserDataDir: " << st.paths.UserDataDir.string()
              << "\nStartPage: " << st.settings.StartPage
              << "\nPendingStartUrl: " << st.PendingStartUrl << '\n';
    return 0;
}
