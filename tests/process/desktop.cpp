#include "desktop.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

namespace sgtest {

QString runTool(const QString& program, const QStringList& args, int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

Desktop::Desktop()
{
    m_windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_windowManager.setStandardOutputFile(QProcess::nullDevice());
    m_windowManager.start(QStringLiteral("openbox"), { QStringLiteral("--sm-disable") });
    if (!m_windowManager.waitForStarted())
        return;
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (runTool(QStringLiteral("wmctrl"), { QStringLiteral("-m") }).contains("Openbox")) {
            m_ready = true;
            return;
        }
        QThread::msleep(50);
    }
}

Desktop::~Desktop()
{
    m_windowManager.terminate();
    if (!m_windowManager.waitForFinished(3000))
        m_windowManager.kill();
    m_windowManager.waitForFinished();
}

QList<DesktopWindow> Desktop::windows()
{
    // "0x00400010  0 1234   host Title with spaces"
    static const QRegularExpression line(
        QStringLiteral("^(0x[0-9a-f]+)\\s+-?\\d+\\s+(\\d+)\\s+\\S+ ?(.*)$"));
    QList<DesktopWindow> found;
    const QString text = runTool(QStringLiteral("wmctrl"), { QStringLiteral("-lp") });
    for (const QString& row : text.split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = line.match(row);
        if (m.hasMatch())
            found.append({ m.captured(1), m.captured(2).toLongLong(), m.captured(3) });
    }
    return found;
}

QList<DesktopWindow> Desktop::windowsTitled(qint64 pid, const QString& title)
{
    QList<DesktopWindow> found;
    for (const DesktopWindow& w : windows()) {
        if (w.pid == pid && w.title == title)
            found.append(w);
    }
    return found;
}

QList<DesktopWindow> Desktop::windowsEndingIn(qint64 pid, const QString& suffix)
{
    QList<DesktopWindow> found;
    for (const DesktopWindow& w : windows()) {
        if (w.pid == pid && w.title.endsWith(suffix))
            found.append(w);
    }
    return found;
}

QString Desktop::waitForWindow(qint64 pid, const QString& title, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        const QList<DesktopWindow> found = windowsTitled(pid, title);
        if (found.size() == 1)
            return found.front().id;
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return {};
}

void Desktop::close(const QString& id)
{
    runTool(QStringLiteral("wmctrl"), { QStringLiteral("-i"), QStringLiteral("-c"), id });
}

void Desktop::place(const QString& id, const QRect& frame)
{
    const QString geometry = QStringLiteral("0,%1,%2,%3,%4")
                                 .arg(frame.x())
                                 .arg(frame.y())
                                 .arg(frame.width())
                                 .arg(frame.height());
    runTool(QStringLiteral("wmctrl"),
        { QStringLiteral("-i"), QStringLiteral("-r"), id, QStringLiteral("-e"), geometry });
}

void Desktop::key(const QString& id, const QString& keys)
{
    runTool(QStringLiteral("xdotool"),
        { QStringLiteral("windowactivate"), QStringLiteral("--sync"), id, QStringLiteral("key"),
            QStringLiteral("--clearmodifiers"), keys });
}

void Desktop::click(const QString& id, int x, int y)
{
    runTool(QStringLiteral("xdotool"),
        { QStringLiteral("windowactivate"), QStringLiteral("--sync"), id,
            QStringLiteral("mousemove"), QStringLiteral("--window"), id, QString::number(x),
            QString::number(y), QStringLiteral("click"), QStringLiteral("1") });
}

QString Desktop::windowText(qint64 pid, const QString& title)
{
    // Debian's Python, which has the AT-SPI bindings.
    return runTool(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral(SKYGLASS_SOURCE_DIR "/tests/process/window_text.py"), QString::number(pid),
            title });
}

QRect Desktop::frame(const QString& id)
{
    const QString info = runTool(QStringLiteral("xwininfo"), { QStringLiteral("-id"), id });
    auto value = [&info](const char* name) {
        const QRegularExpression re(QString::fromLatin1(name) + QStringLiteral(":\\s+(-?\\d+)"));
        return re.match(info).captured(1).toInt();
    };
    const QString extents = runTool(QStringLiteral("xprop"),
        { QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS") });
    static const QRegularExpression numbers(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
    const QRegularExpressionMatch m = numbers.match(extents);
    if (!m.hasMatch())
        return {};
    const int left = m.captured(1).toInt();
    const int right = m.captured(2).toInt();
    const int top = m.captured(3).toInt();
    const int bottom = m.captured(4).toInt();
    return QRect(value("Absolute upper-left X") - left, value("Absolute upper-left Y") - top,
        value("Width") + left + right, value("Height") + top + bottom);
}

} // namespace sgtest
