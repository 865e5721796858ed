// One running copy per user and data folder, as a desktop sees it: a second start of the
// built skyglass2 opens a new main window in the running copy and ends; the channel
// between them is the user's alone.

#include "browser_user.h"
#include "desktop.h"
#include "e2e/page_server.h"
#include "startup/instance_message.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sgtest;

namespace {

const QString kEditorTitle = QStringLiteral("Edit Category & Site Selector Lists - Skyglass2");

// The main windows of the process (the list editor's caption ends the same way).
QStringList mainWindowTitles(qint64 pid)
{
    QStringList titles;
    for (const DesktopWindow& w : Desktop::windowsEndingIn(pid, QStringLiteral("- Skyglass2"))) {
        if (w.title != kEditorTitle)
            titles.append(w.title);
    }
    titles.sort();
    return titles;
}

// Connects to the socket as another user (effective uid 65534, file-system uid kept for
// the 0700 folder), sends a well-formed hand-over and tells what came back: 0 nothing (the
// connection was refused), 1 an answer, 2 no connection.
int handOverAsAnotherUser(const QString& socketPath, const QByteArray& request)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::seteuid(65534) != 0)
            ::_exit(3);
        ::setfsuid(0);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(
            address.sun_path, socketPath.toLocal8Bit().constData(), sizeof address.sun_path - 1);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            ::_exit(2);
        ::send(fd, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL);
        char answer = 0;
        ::_exit(::read(fd, &answer, 1) == 1 ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QByteArray requestBytes(sg::InstanceRequestKind kind, const std::string& text)
{
    const sg::Bytes bytes = *sg::encodeInstanceRequest({ kind, text });
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

class SingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void aSecondStartOpensOneNewWindowInTheRunningCopyAndEnds();
    void tenStartsAtOnceGiveTenWindowsInOneProcess();
    void aSecondStartWhileTheListEditorIsOpenIsRefused();
    void theChannelIsTheUsersAloneAndNeverBlocks();

private:
    // Starts the first copy on /radar.html; its process once its window is up.
    QProcess* startFirstCopy(BrowserUser& user);
    // A second start; true when it ended with code 0 within 3 seconds.
    bool handOver(BrowserUser& user, const QStringList& args);

    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<PageServer> m_server;
};

void SingleInstance::initTestCase()
{
    m_desktop = std::make_unique<Desktop>();
    QVERIFY(m_desktop->ready());
    m_server = std::make_unique<PageServer>();
    m_server->setPage("/radar.html", page("Radar Loop"));
    m_server->setPage("/second.html", page("Second Page"));
    m_server->setPage("/kept.html", page("Kept Page"));
    m_server->setPage("/intruder.html", page("Intruder"));
    for (int i = 1; i <= 10; ++i)
        m_server->setPage(
            QStringLiteral("/page%1.html").arg(i), page(QStringLiteral("Page %1").arg(i)));
}

void SingleInstance::cleanupTestCase()
{
    m_server.reset();
    m_desktop.reset();
}

QProcess* SingleInstance::startFirstCopy(BrowserUser& user)
{
    QProcess* first = user.start({ m_server->url("/radar.html") });
    if (Desktop::waitForWindow(first->processId(), "Radar Loop - Skyglass2", kWindowTimeoutMs)
            .isEmpty())
        return nullptr;
    return first;
}

bool SingleInstance::handOver(BrowserUser& user, const QStringList& args)
{
    QProcess* second = user.start(args);
    QElapsedTimer clock;
    clock.start();
    while (second->state() != QProcess::NotRunning && clock.elapsed() < 3000)
        QTest::qWait(20);
    return second->state() == QProcess::NotRunning && second->exitStatus() == QProcess::NormalExit
        && second->exitCode() == 0;
}

void SingleInstance::aSecondStartOpensOneNewWindowInTheRunningCopyAndEnds()
{
    BrowserUser user;
    QProcess* first = startFirstCopy(user);
    QVERIFY(first);
    const qint64 pid = first->processId();

    QVERIFY(handOver(user, { m_server->url("/second.html") }));
    QTRY_COMPARE_WITH_TIMEOUT(mainWindowTitles(pid),
        QStringList({ "Radar Loop - Skyglass2", "Second Page - Skyglass2" }), kWindowTimeoutMs);
    // Without an address: the start page.
    QVERIFY(handOver(user, {}));
    QTRY_COMPARE_WITH_TIMEOUT(mainWindowTitles(pid),
        QStringList({ "Radar Loop - Skyglass2", "Second Page - Skyglass2",
            "Skyglass2 - Help - Skyglass2" }),
        kWindowTimeoutMs);

    // The data tool asks the same channel: a settings change the running copy would undo
    // is refused, list commands go ahead.
    const auto set = user.dataTool({ "settings", "set", "RefreshInterval", "7" });
    QCOMPARE(set.exitCode, 1);
    QVERIFY2(set.err.contains("Skyglass2 is running on this data folder"), qPrintable(set.err));
    QCOMPARE(user.dataTool({ "lists", "show" }).exitCode, 0);

    // The last window to close ends the copy and removes its socket.
    const QStringList sockets
        = QDir(user.runtimeDir() + "/skyglass2").entryList({ "*.socket" }, QDir::System);
    QCOMPARE(sockets.size(), 1);
    for (const DesktopWindow& w : Desktop::windowsEndingIn(pid, "- Skyglass2"))
        Desktop::close(w.id);
    QTRY_VERIFY_WITH_TIMEOUT(first->state() == QProcess::NotRunning, 5000);
    QCOMPARE(first->exitCode(), 0);
    QVERIFY(!QFileInfo::exists(user.runtimeDir() + "/skyglass2/" + sockets.front()));
    QCOMPARE(user.dataTool({ "settings", "set", "RefreshInterval", "7" }).exitCode, 0);
}

void SingleInstance::tenStartsAtOnceGiveTenWindowsInOneProcess()
{
    BrowserUser user;
    // A copy killed before leaves its socket behind: the next start is the first copy.
    QProcess* killed = startFirstCopy(user);
    QVERIFY(killed);
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    QTRY_VERIFY(killed->state() == QProcess::NotRunning);
    QProcess* first = startFirstCopy(user);
    QVERIFY(first);
    QList<QProcess*> starts;
    QStringList expected = { "Radar Loop - Skyglass2" };
    for (int i = 1; i <= 10; ++i) {
        starts.append(user.start({ m_server->url(QStringLiteral("/page%1.html").arg(i)) }));
        expected.append(QStringLiteral("Page %1 - Skyglass2").arg(i));
    }
    expected.sort();
    for (QProcess* start : starts) {
        QTRY_VERIFY_WITH_TIMEOUT(start->state() == QProcess::NotRunning, 15000);
        QCOMPARE(start->exitCode(), 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(mainWindowTitles(first->processId()), expected, kWindowTimeoutMs);
    QCOMPARE(first->state(), QProcess::Running);
}

void SingleInstance::aSecondStartWhileTheListEditorIsOpenIsRefused()
{
    BrowserUser user;
    QProcess* first = startFirstCopy(user);
    QVERIFY(first);
    const qint64 pid = first->processId();
    const QString mainWindow = Desktop::windowsTitled(pid, "Radar Loop - Skyglass2").value(0).id;
    Desktop::click(mainWindow, 89, 14); // the List button
    const QString editor = Desktop::waitForWindow(pid, kEditorTitle, kWindowTimeoutMs);
    QVERIFY(!editor.isEmpty());

    QVERIFY(handOver(user, { m_server->url("/kept.html") }));
    QVERIFY(!Desktop::waitForWindow(pid, "Skyglass2", kWindowTimeoutMs).isEmpty());
    QString text;
    QTRY_VERIFY((text = Desktop::windowText(pid, QStringLiteral("Skyglass2")).trimmed())
                    .startsWith(QStringLiteral("Can't")));
    QCOMPARE(text,
        QStringLiteral("Can't Launch A New Browser Window While Options, Edit,\n"
                       "Open-About, Or App-Message Window Like This Is Open."));
    QCOMPARE(mainWindowTitles(pid), QStringList({ "Radar Loop - Skyglass2" }));
    Desktop::key(Desktop::windowsTitled(pid, "Skyglass2").value(0).id, "Return");
    QTRY_VERIFY(Desktop::windowsTitled(pid, "Skyglass2").isEmpty());
    Desktop::close(editor);
    QTRY_VERIFY(Desktop::windowsTitled(pid, kEditorTitle).isEmpty());

    // The next accepted start without an address opens the kept one.
    QVERIFY(handOver(user, {}));
    QTRY_COMPARE_WITH_TIMEOUT(mainWindowTitles(pid),
        QStringList({ "Kept Page - Skyglass2", "Radar Loop - Skyglass2" }), kWindowTimeoutMs);
    QVERIFY(m_server->hits("/kept.html") > 0);
}

void SingleInstance::theChannelIsTheUsersAloneAndNeverBlocks()
{
    BrowserUser user;
    QProcess* first = startFirstCopy(user);
    QVERIFY(first);
    const QString folder = user.runtimeDir() + "/skyglass2";
    struct stat st { };
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
    const QString socket
        = folder + "/" + QDir(folder).entryList({ "*.socket" }, QDir::System).value(0);

    if (::geteuid() == 0) {
        QCOMPARE(handOverAsAnotherUser(socket,
                     requestBytes(sg::InstanceRequestKind::OpenWindow,
                         m_server->url("/intruder.html").toStdString())),
            0);
    }
    // A peer that says nothing, one that speaks another protocol and one of another
    // version: none holds up a second start.
    QLocalSocket silent;
    silent.connectToServer(socket);
    QVERIFY(silent.waitForConnected(1000));
    QLocalSocket stranger;
    stranger.connectToServer(socket);
    QVERIFY(stranger.waitForConnected(1000));
    stranger.write("GET / HTTP/1.0\r\n\r\n");
    QLocalSocket newer;
    newer.connectToServer(socket);
    QVERIFY(newer.waitForConnected(1000));
    QByteArray newerRequest = requestBytes(sg::InstanceRequestKind::Ask, "");
    newerRequest[4] = 2;
    newer.write(newerRequest);

    QVERIFY(handOver(user, { m_server->url("/second.html") }));
    QTRY_COMPARE_WITH_TIMEOUT(mainWindowTitles(first->processId()),
        QStringList({ "Radar Loop - Skyglass2", "Second Page - Skyglass2" }), kWindowTimeoutMs);
    QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(stranger.bytesAvailable(), 0);
    QTRY_COMPARE(newer.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(newer.readAll(), QByteArray(1, char(sg::InstanceAnswer::CannotTake)));
    QTRY_COMPARE_WITH_TIMEOUT(silent.state(), QLocalSocket::UnconnectedState, 5000);
    QCOMPARE(m_server->hits("/intruder.html"), 0);
}

QTEST_MAIN(SingleInstance)
#include "instance_test.moc"
