#include "browser_user.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace sgtest {

QString programPath()
{
    return QStringLiteral(SKYGLASS_BIN_DIR "/skyglass2");
}

QString dataToolPath()
{
    return QStringLiteral(SKYGLASS_BIN_DIR "/skyglass2-data");
}

BrowserUser::BrowserUser()
    : m_runtime(m_home.filePath(QStringLiteral("runtime")))
{
    QDir().mkpath(m_runtime);
    ::chmod(QFile::encodeName(m_runtime).constData(), 0700);
}

BrowserUser::~BrowserUser()
{
    for (const auto& p : m_processes) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->kill();
        p->waitForFinished(5000);
    }
}

QProcessEnvironment BrowserUser::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime);
    env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu"));
    // Its windows' texts can be read as a screen reader reads them.
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    if (::geteuid() == 0)
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    return env;
}

QProcess* BrowserUser::start(const QStringList& args, const QProcessEnvironment& env)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env.isEmpty() ? environment() : env);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(programPath(), args);
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

QString BrowserUser::dataDir() const
{
    return m_home.filePath(QStringLiteral("data/Application Data/Skyglass2"));
}

QString BrowserUser::runtimeDir() const
{
    return m_runtime;
}

BrowserUser::ToolResult BrowserUser::dataTool(const QStringList& args) const
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(dataToolPath(), args);
    ToolResult result;
    if (!p.waitForFinished(10000))
        return result;
    result.exitCode = p.exitCode();
    result.out = QString::fromUtf8(p.readAllStandardOutput());
    result.err = QString::fromUtf8(p.readAllStandardError());
    return result;
}

QJsonObject BrowserUser::settings() const
{
    const ToolResult shown = dataTool({ QStringLiteral("settings"), QStringLiteral("show") });
    return QJsonDocument::fromJson(shown.out.toUtf8()).object();
}

QList<qint64> descendantsOf(qint64 pid)
{
    // Parent of every process, from /proc/<pid>/stat ("pid (name) state ppid ...").
    QHash<qint64, qint64> parent;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 child = entry.toLongLong(&number);
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            parent[child] = fields[1].toLongLong();
    }
    QList<qint64> found;
    QList<qint64> todo { pid };
    while (!todo.isEmpty()) {
        const qint64 p = todo.takeFirst();
        for (auto it = parent.cbegin(); it != parent.cend(); ++it) {
            if (it.value() == p) {
                found.append(it.key());
                todo.append(it.key());
            }
        }
    }
    return found;
}

bool processAlive(qint64 pid)
{
    // A zombie has ended; only its parent has not collected it yet.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) != "Z";
}

} // namespace sgtest
