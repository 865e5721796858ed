#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace sg::platform {

std::filesystem::path profileDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(QDir::cleanPath(dir).toStdString());
}

std::filesystem::path appDir()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeDir + "/Skyglass.ini").isFile())
        return std::filesystem::path(QDir::cleanPath(exeDir).toStdString());
    return std::filesystem::path(QDir::cleanPath(exeDir + "/../share/skyglass2").toStdString());
}

} // namespace sg::platform
