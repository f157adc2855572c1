#pragma once
// Colours as the window stores them: 0x00BBGGRR, or 0x800000nn for system
// colour nn. A control keeps its stored value in the property "BackColor" or
// "ForeColor", so what it shows can be checked by value.
#include <QColor>
#include <QPalette>
#include <cstdint>

class QWidget;

namespace ringwright {

using StoredColour = std::uint32_t;

namespace colour {
constexpr StoredColour kWindowBackground = 0x80000005;
constexpr StoredColour kWindowText = 0x80000008;
constexpr StoredColour kWhite = 0x00FFFFFF;
constexpr StoredColour kRed = 0x000000FF;
constexpr StoredColour kBlue = 0x00FF0000;
constexpr StoredColour kYellow = 0x0000FFFF;
constexpr StoredColour kGreen = 0x0000FF00;
constexpr StoredColour kCyan = 0x00FFFF00;
constexpr StoredColour kPaleBlue = 0x00FFC0C0;
}  // namespace colour

QColor colourFromStoredValue(StoredColour value, const QPalette& system);

void setBackColor(QWidget& control, StoredColour value);
void setForeColor(QWidget& control, StoredColour value);
StoredColour backColor(const QWidget& control);

}  // namespace ringwright
