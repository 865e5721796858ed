#pragma once
// The clock as the status bar shows it: the local time in the locale's time form, and the
// time of day in UTC.

#include "browser/main_window_view.h"

#include <QDateTime>

namespace sg::platform {

// At that instant: the local time by the system locale's long time form without its time
// zone (the panel is narrow), and the UTC hour, minute and second.
ClockReading readClockAt(const QDateTime& instant);

} // namespace sg::platform
