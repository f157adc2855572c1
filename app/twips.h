#pragma once
// Positions and sizes are kept in twips, 15 to the pixel at 96 dots per inch;
// they become pixels only here, when a control is placed.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QWidget>
#include <cmath>

namespace ringwright {

constexpr double kTwipsPerPixel = 15.0;

struct TwipsRect {
    int left, top, width, height;
};

inline int pixelsFromTwips(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }

inline QRect pixelsFromTwips(const TwipsRect& r) {
    return {pixelsFromTwips(r.left), pixelsFromTwips(r.top), pixelsFromTwips(r.width), pixelsFromTwips(r.height)};
}

inline QPointF twipsFromPixels(QPointF pixels) { return pixels * kTwipsPerPixel; }

inline void place(QWidget& control, const TwipsRect& where) { control.setGeometry(pixelsFromTwips(where)); }

}  // namespace ringwright
