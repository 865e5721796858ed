#pragma once
// For the windows' program-wide event filters, which see every event of the program.

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <initializer_list>

namespace sg::ui {

// The widget the event is for when the event is one of `types` and the widget lies in
// `window`; nullptr otherwise. The type is tested first: it is the cheap test.
inline QWidget* widgetInWindow(QObject* watched, const QEvent* event, const QWidget* window,
    std::initializer_list<QEvent::Type> types)
{
    if (std::find(types.begin(), types.end(), event->type()) == types.end())
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == window ? widget : nullptr;
}

} // namespace sg::ui
