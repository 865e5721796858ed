#pragma once
// A repeating timer that never fires early: each tick comes at or after its deadline on the
// monotonic clock, and deadlines do not drift (a coarse timer can fire half a second early).

#include <QElapsedTimer>
#include <QObject>

class QTimer;

namespace sg::platform {

class PreciseTicker : public QObject {
    Q_OBJECT
public:
    explicit PreciseTicker(QObject* parent = nullptr);
    // Starts (or restarts) with the first tick one interval from now.
    void start(int intervalMs);
    void stop();
    bool isActive() const;
    int interval() const { return m_intervalMs; }

signals:
    void ticked();

private:
    void arm();
    void fire();

    QTimer* m_timer;
    QElapsedTimer m_clock;
    qint64 m_deadlineMs = 0;
    int m_intervalMs = 0;
};

} // namespace sg::platform
