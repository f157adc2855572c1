#include "stored_colour.h"

#include <QApplication>
#include <QWidget>

namespace ringwright {

QColor colourFromStoredValue(StoredColour value, const QPalette& system) {
    if (value & 0x80000000u) {
        switch (value & 0xFFu) {
        case 5: return system.color(QPalette::Base);
        case 8: return system.color(QPalette::Text);
        case 15: return system.color(QPalette::Button);
        default: return system.color(QPalette::Window);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// Text boxes paint Base, labels paint Window: set both so one call serves all.
void setBackColor(QWidget& control, StoredColour value) {
    control.setProperty("BackColor", QVariant::fromValue<uint>(value));
    QPalette palette = control.palette();
    const QColor shown = colourFromStoredValue(value, QApplication::palette());
    palette.setColor(QPalette::Base, shown);
    palette.setColor(QPalette::Window, shown);
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void setForeColor(QWidget& control, StoredColour value) {
    control.setProperty("ForeColor", QVariant::fromValue<uint>(value));
    QPalette palette = control.palette();
    const QColor shown = colourFromStoredValue(value, QApplication::palette());
    palette.setColor(QPalette::Text, shown);
    palette.setColor(QPalette::WindowText, shown);
    control.setPalette(palette);
}

StoredColour backColor(const QWidget& control) {
    const QVariant value = control.property("BackColor");
    return value.isValid() ? StoredColour(value.toUInt()) : colour::kWindowBackground;
}

}  // namespace ringwright
