#pragma once
// One user of the built program in a real-process test: a data home and a runtime folder
// of its own, the program started as its own process as a desktop starts it, and the data
// tool on the same data.

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace sgtest {

// A cold start of the engine under a loaded virtual display can take a while.
inline constexpr int kWindowTimeoutMs = 30000;

class BrowserUser {
public:
    BrowserUser();
    ~BrowserUser();

    // Starts skyglass2 with the arguments; the process lives as long as this object.
    QProcess* start(
        const QStringList& args = {}, const QProcessEnvironment& env = QProcessEnvironment());
    QProcessEnvironment environment() const;
    QString dataDir() const; // the program's data folder (UserDataDir)
    QString runtimeDir() const; // XDG_RUNTIME_DIR of the user

    // Runs skyglass2-data on the user's data; its exit code, output and errors.
    struct ToolResult {
        int exitCode = -1;
        QString out;
        QString err;
    };
    ToolResult dataTool(const QStringList& args) const;
    // Every field of the settings file, as the data tool shows them.
    QJsonObject settings() const;

private:
    QTemporaryDir m_home;
    QString m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

// The program's executables in the build.
QString programPath();
QString dataToolPath();

// The processes started by `pid`, their children included (the engine's helpers).
QList<qint64> descendantsOf(qint64 pid);
bool processAlive(qint64 pid);

} // namespace sgtest
