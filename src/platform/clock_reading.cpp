#include "platform/clock_reading.h"

#include <QLocale>

namespace sg::platform {
namespace {

// The locale's long time form without the time zone ("t" outside quotes).
QString timeFormWithoutZone(const QString& form)
{
    QString out;
    bool quoted = false;
    for (const QChar c : form) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        out += c;
    }
    return out.simplified();
}

} // namespace

ClockReading readClockAt(const QDateTime& instant)
{
    const QLocale locale = QLocale::system();
    const QDateTime local = instant.toLocalTime();
    const QTime utc = instant.toUTC().time();
    return {
        locale.toString(local.time(), timeFormWithoutZone(locale.timeFormat(QLocale::LongFormat)))
            .toStdString(),
        utc.hour(), utc.minute(), utc.second()
    };
}

} // namespace sg::platform
