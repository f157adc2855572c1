#pragma once
// A window handle of the Qt front end names the widget itself: the ground
// view is no native window of its own, yet the pointer is confined to it.
#include <QPoint>
#include <QWidget>

#include "editor/platform.h"

namespace ringwright {

inline WindowHandle handleOf(const QWidget* widget) { return reinterpret_cast<WindowHandle>(widget); }
inline QWidget* widgetOf(WindowHandle handle) { return reinterpret_cast<QWidget*>(handle); }

// The client rectangle, its origin moved to the screen.
inline ScreenRect clientAreaOnScreenOf(const QWidget& widget) {
    const QPoint origin = widget.mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + widget.width(), origin.y() + widget.height()};
}

}  // namespace ringwright
