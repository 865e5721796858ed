#include "platform/precise_ticker.h"

#include <QTimer>

namespace sg::platform {

PreciseTicker::PreciseTicker(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &PreciseTicker::fire);
}

void PreciseTicker::start(int intervalMs)
{
    m_intervalMs = std::max(1, intervalMs);
    m_clock.start();
    m_deadlineMs = m_intervalMs;
    arm();
}

void PreciseTicker::stop()
{
    m_timer->stop();
}

bool PreciseTicker::isActive() const
{
    return m_timer->isActive();
}

void PreciseTicker::arm()
{
    const qint64 remaining = m_deadlineMs - m_clock.elapsed();
    m_timer->start(static_cast<int>(std::max<qint64>(0, remaining)));
}

void PreciseTicker::fire()
{
    const qint64 now = m_clock.elapsed();
    if (now < m_deadlineMs) { // woke early: wait out the rest
        arm();
        return;
    }
    m_deadlineMs += m_intervalMs;
    if (m_deadlineMs <= now) // far behind (the machine slept): count from now
        m_deadlineMs = now + m_intervalMs;
    arm();
    emit ticked();
}

} // namespace sg::platform
