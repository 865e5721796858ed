#pragma once
// The desktop of a real-process test: a window manager (openbox) on the test's own virtual
// display, and what a desktop does from outside a program: list, close and key its windows.

#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

namespace sgtest {

struct DesktopWindow {
    QString id; // the X window id, as wmctrl gives it
    qint64 pid = 0;
    QString title;
};

// Runs a program to its end; its standard output (empty when it could not run).
QString runTool(const QString& program, const QStringList& args, int timeoutMs = 10000);

class Desktop {
public:
    // Starts openbox and waits until it manages the display.
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;
    bool ready() const { return m_ready; }

    // The managed windows, in the window manager's order.
    static QList<DesktopWindow> windows();
    // The windows of one process whose title is exactly `title`, or ends in `suffix`.
    static QList<DesktopWindow> windowsTitled(qint64 pid, const QString& title);
    static QList<DesktopWindow> windowsEndingIn(qint64 pid, const QString& suffix);
    // The id of the one window of `pid` titled exactly `title`, once it is there; empty
    // when it did not come in time.
    static QString waitForWindow(qint64 pid, const QString& title, int timeoutMs);
    // The close request of the window manager (WM_DELETE_WINDOW to the program).
    static void close(const QString& id);
    // Moves and sizes a window as the user would (client size, frame position).
    static void place(const QString& id, const QRect& frame);
    // Activates the window and types the keys ("ctrl+c", "Return").
    static void key(const QString& id, const QString& keys);
    // A left click at a point of the window's client area.
    static void click(const QString& id, int x, int y);
    // The texts a window of the process shows, one a line, as a screen reader reads them
    // (AT-SPI); empty while there is no such window.
    static QString windowText(qint64 pid, const QString& title);
    // The window's outer rectangle on the screen: its client area and the frame that the
    // window manager reports round it (_NET_FRAME_EXTENTS); empty while it has none.
    static QRect frame(const QString& id);

private:
    QProcess m_windowManager;
    bool m_ready = false;
};

} // namespace sgtest
