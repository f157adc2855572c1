#pragma once
// On Windows a window handle is the system's own, so the native dialogs,
// message boxes and confinement can use it; asking for it gives the widget a
// native window. Elsewhere it names the widget itself: the ground view is no
// native window of its own there, yet the pointer is confined to it.
#include <QPoint>
#include <QWidget>

#include "platform/platform.h"

namespace ringwright {

#ifdef _WIN32
inline WindowHandle handleOf(QWidget* widget) { return static_cast<WindowHandle>(widget->winId()); }
inline QWidget* widgetOf(WindowHandle handle) { return QWidget::find(static_cast<WId>(handle)); }
#else
inline WindowHandle handleOf(QWidget* widget) { return reinterpret_cast<WindowHandle>(widget); }
inline QWidget* widgetOf(WindowHandle handle) { return reinterpret_cast<QWidget*>(handle); }
#endif

// The client rectangle, its origin moved to the screen.
inline ScreenRect clientAreaOnScreenOf(const QWidget& widget) {
    const QPoint origin = widget.mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + widget.width(), origin.y() + widget.height()};
}

}  // namespace ringwright
