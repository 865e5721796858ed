#include "platform/launchers.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace sg::platform {

void startProgram(const std::string& path)
{
    if (!path.empty())
        QProcess::startDetached(QString::fromStdString(path), {});
}

void openNewMail()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:")));
}

} // namespace sg::platform
