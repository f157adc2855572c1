#pragma once
// A stored colour shown on a Qt control.
#include <QColor>
#include <QPalette>

#include "editor/stored_colour.h"

class QWidget;

namespace ringwright {

// System colours come from the desktop's palette.
QColor colourFromStoredValue(StoredColour value, const QPalette& system);

void setBackColor(QWidget& control, StoredColour value);
void setForeColor(QWidget& control, StoredColour value);

}  // namespace ringwright
