#include "qt/colours.h"

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

namespace {

// Text boxes paint Base and Text, labels Window and WindowText: set both so
// one call serves every control.
void applyColour(QWidget& control, StoredColour value, QPalette::ColorRole boxRole, QPalette::ColorRole labelRole) {
    QPalette palette = control.palette();
    const QColor shown = colourFromStoredValue(value, QApplication::palette());
    palette.setColor(boxRole, shown);
    palette.setColor(labelRole, shown);
    control.setPalette(palette);
}

}  // namespace

void setBackColor(QWidget& control, StoredColour value) {
    applyColour(control, value, QPalette::Base, QPalette::Window);
    control.setAutoFillBackground(true);
}

void setForeColor(QWidget& control, StoredColour value) {
    applyColour(control, value, QPalette::Text, QPalette::WindowText);
}


}  // namespace ringwright
