#include "platform/startup_environment.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <unistd.h>

namespace sg::platform {

StartupEnvironment startupEnvironment(std::string commandLine)
{
    StartupEnvironment env;
    env.commandLine = std::move(commandLine);
    // The executable's folder as bytes: an install path need not be valid UTF-8.
    std::error_code ec;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", ec);
    env.executableDir = ec ? std::filesystem::path(
                            QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString())
                           : executable.parent_path();
    env.profileDir = profileDir();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // 15 twips a pixel.
        env.screenWidthTwips = screen->geometry().width() * 15.0;
        env.screenHeightTwips = screen->geometry().height() * 15.0;
    }
    return env;
}

std::vector<std::string> installedFontFamilies()
{
    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families())
        fonts.push_back(family.toStdString());
    return fonts;
}

bool engineRefusesRoot()
{
    if (::geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        return false;
    return !qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS")
                .contains(QLatin1String("--no-sandbox"));
}

bool displayAvailable()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.startsWith(QLatin1String("offscreen"))
        || platform.startsWith(QLatin1String("minimal")))
        return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace sg::platform
