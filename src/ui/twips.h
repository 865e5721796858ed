#pragma once
// Conversions every window makes: the stored twips to pixels and back (15 twips a pixel),
// and the core's UTF-8 text to Qt's.

#include "browser/geometry.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace sg::ui {

inline constexpr double kTwipsPerPx = 15;

// Rounded to the nearest pixel; absurd stored values are held to a sane range.
inline int px(double twips)
{
    return static_cast<int>(std::lround(std::clamp(twips / kTwipsPerPx, -1e6, 1e6)));
}

inline double twips(int pixels)
{
    return pixels * kTwipsPerPx;
}

inline Rect twipsRect(const QRect& r)
{
    return { twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height()) };
}

// The work area of the widget's screen (the primary one before it has one), in twips.
inline Rect workAreaOf(const QWidget* widget)
{
    const QScreen* s = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return twipsRect(s->availableGeometry());
}

// Text of the core (UTF-8) for Qt.
inline QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace sg::ui
