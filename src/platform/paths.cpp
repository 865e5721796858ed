#include "platform/paths.h"

#include <QDir>
#include <QStandardPaths>

namespace sg::platform {

std::filesystem::path profileDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(QDir::cleanPath(dir).toStdString());
}

} // namespace sg::platform
