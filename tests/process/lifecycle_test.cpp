// The program's life as a desktop sees it, the built skyglass2 as its own process under a
// window manager: the close request and the session's end write the settings and end it,
// the window comes back where it was, and the command lines that need no window.

#include "browser_user.h"
#include "desktop.h"
#include "e2e/page_server.h"

#include <QFile>
#include <QJsonObject>
#include <QTest>
#include <csignal>
#include <memory>
#include <unistd.h>

using namespace sgtest;

namespace {

const QString kRadarTitle = QStringLiteral("Radar Loop - Skyglass2");

// The saved placement in pixels (the settings keep twips, 15 to a pixel).
QRect savedPlacement(const QJsonObject& settings)
{
    return QRect(settings.value("WindowLeft").toInt() / 15,
        settings.value("WindowTop").toInt() / 15, settings.value("WindowWidth").toInt() / 15,
        settings.value("WindowHeight").toInt() / 15);
}

bool anyAlive(const QList<qint64>& pids)
{
    return std::any_of(pids.begin(), pids.end(), processAlive);
}

} // namespace

class Lifecycle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void theSessionsEndAndACloseRequestWriteTheSettingsAndEndTheProgram();
    void helpAndVersionNeedNoWindow();
    void runningAsRootWithTheSandboxOnIsExplained();

private:
    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<PageServer> m_server;
};

void Lifecycle::initTestCase()
{
    m_desktop = std::make_unique<Desktop>();
    QVERIFY(m_desktop->ready());
    m_server = std::make_unique<PageServer>();
    m_server->setPage("/radar.html", page("Radar Loop"));
    m_server->setPage("/second.html", page("Second Page"));
}

void Lifecycle::cleanupTestCase()
{
    m_server.reset();
    m_desktop.reset();
}

void Lifecycle::theSessionsEndAndACloseRequestWriteTheSettingsAndEndTheProgram()
{
    BrowserUser user;
    QProcess* program = user.start({ m_server->url("/radar.html") });
    const qint64 pid = program->processId();
    const QString id = Desktop::waitForWindow(pid, kRadarTitle, kWindowTimeoutMs);
    QVERIFY(!id.isEmpty());
    // The user moves and sizes the window, then works last in a second main window.
    const QRect before = Desktop::frame(id);
    Desktop::place(id, before.adjusted(-30, 20, 70, -40));
    QTRY_VERIFY(Desktop::frame(id).isValid() && Desktop::frame(id) != before);
    QProcess* second = user.start({ m_server->url("/second.html") });
    const QString other = Desktop::waitForWindow(pid, "Second Page - Skyglass2", kWindowTimeoutMs);
    QVERIFY(!other.isEmpty());
    QCOMPARE(second->exitCode(), 0);
    Desktop::key(other, "shift");
    const QRect seen = Desktop::frame(other);
    QVERIFY(seen != Desktop::frame(id));
    QList<qint64> helpers = descendantsOf(pid);
    QVERIFY(!helpers.isEmpty());

    // The session's end: the window active last gives the placement.
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(program->state() == QProcess::NotRunning, 2000);
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!anyAlive(helpers), 2000);
    QCOMPARE(savedPlacement(user.settings()), seen);

    // Each start shows the window where it was left; the close request ends the program,
    // the full-screen window once shown does not keep it alive.
    for (int run = 1; run <= 5; ++run) {
        QProcess* again = user.start({ m_server->url("/radar.html") });
        const QString shown
            = Desktop::waitForWindow(again->processId(), kRadarTitle, kWindowTimeoutMs);
        QVERIFY(!shown.isEmpty());
        QTRY_COMPARE(Desktop::frame(shown), seen);
        helpers = descendantsOf(again->processId());
        if (run == 1) {
            Desktop::key(shown, "F11");
            QTRY_COMPARE_WITH_TIMEOUT(
                Desktop::windowsEndingIn(again->processId(), "").size(), 2, kWindowTimeoutMs);
        }
        Desktop::close(shown);
        QTRY_VERIFY_WITH_TIMEOUT(again->state() == QProcess::NotRunning, 2000);
        QCOMPARE(again->exitStatus(), QProcess::NormalExit);
        QCOMPARE(again->exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!anyAlive(helpers), 2000);
        QCOMPARE(savedPlacement(user.settings()), seen);
    }
}

void Lifecycle::helpAndVersionNeedNoWindow()
{
    BrowserUser user;
    // No display at all: neither may start the engine or open a window.
    QProcessEnvironment env = user.environment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    QProcess* help = user.start({ QStringLiteral("--help") }, env);
    QVERIFY(help->waitForFinished(5000));
    QCOMPARE(help->exitCode(), 0);
    const QString usage = QString::fromUtf8(help->readAllStandardOutput());
    QVERIFY2(usage.startsWith("usage: skyglass2 [ADDRESS | PATH]\n"), qPrintable(usage));
    QVERIFY2(usage.contains(user.dataDir()), qPrintable(usage));
    QVERIFY2(usage.contains("skyglass2-data"), qPrintable(usage));

    QProcess* version = user.start({ QStringLiteral("--version") }, env);
    QVERIFY(version->waitForFinished(5000));
    QCOMPARE(version->exitCode(), 0);
    QCOMPARE(version->readAllStandardOutput(), QByteArray("Skyglass2 " SKYGLASS_VERSION "\n"));
    QVERIFY(!QFile::exists(user.dataDir()));
}

void Lifecycle::runningAsRootWithTheSandboxOnIsExplained()
{
    if (::geteuid() != 0)
        QSKIP("needs root");
    BrowserUser user;
    QProcessEnvironment env = user.environment();
    env.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    m_server->setPage("/root.html", page("Root"));
    QProcess* program = user.start({ m_server->url("/root.html") }, env);
    const QString box = Desktop::waitForWindow(program->processId(), "Skyglass2", kWindowTimeoutMs);
    QVERIFY(!box.isEmpty());
    QTRY_VERIFY(Desktop::windowText(program->processId(), "Skyglass2")
                    .contains("Start Skyglass2 as a normal user."));
    QVERIFY(descendantsOf(program->processId()).isEmpty()); // no engine helper
    Desktop::close(box);
    QTRY_VERIFY(program->state() == QProcess::NotRunning);
    QCOMPARE(program->exitCode(), 1);
    const QString err = QString::fromUtf8(program->readAllStandardError());
    QVERIFY2(err.contains("cannot start as root") && err.contains("QTWEBENGINE_DISABLE_SANDBOX=1"),
        qPrintable(err));
    QCOMPARE(m_server->hits("/root.html"), 0);
}

QTEST_MAIN(Lifecycle)
#include "lifecycle_test.moc"
