#pragma once
// A stored colour shown on a Qt control. The control keeps its stored value
// in the property "BackColor" or "ForeColor", so what it shows can be
// checked by value.
#include <QColor>
#include <QPalette>

#include "editor/stored_colour.h"

class QWidget;

namespace ringwright {

// System colours come from the desktop's palette.
QColor colourFromStoredValue(StoredColour value, const QPalette& system);

void setBackColor(QWidget& control, StoredColour value);
void setForeColor(QWidget& control, StoredColour value);
StoredColour backColor(const QWidget& control);

}  // namespace ringwright
