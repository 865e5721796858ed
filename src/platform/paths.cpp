#include "platform/paths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace sg::platform {
namespace {

// An environment variable as the bytes it holds: a path need not be valid UTF-8, and a
// QString would turn its other bytes into replacement characters.
std::filesystem::path environmentPath(const char* name)
{
    const QByteArray value = qgetenv(name);
    return std::string(value.constData(), static_cast<std::size_t>(value.size()));
}

} // namespace

std::filesystem::path profileDir()
{
    // The XDG data home as QStandardPaths defines it, kept as bytes: $XDG_DATA_HOME when it
    // is an absolute path, else $HOME/.local/share.
    const std::filesystem::path dataHome = environmentPath("XDG_DATA_HOME");
    if (dataHome.is_absolute())
        return dataHome.lexically_normal();
    std::filesystem::path home = environmentPath("HOME");
    if (!home.is_absolute())
        home = QFile::encodeName(QDir::homePath()).toStdString();
    const std::filesystem::path dir = (home / ".local" / "share").lexically_normal();
    return dir.has_filename() ? dir : dir.parent_path();
}

} // namespace sg::platform
