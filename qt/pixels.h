#pragma once
// Twips become pixels only here, 15 to the pixel at 96 dots per inch, when
// a control is placed, and pointer positions become twips here.
#include <QPointF>
#include <QRect>
#include <QWidget>
#include <cmath>

#include "editor/twips.h"

namespace ringwright {

constexpr double kTwipsPerPixel = 15.0;

inline int pixelsFromTwips(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }

inline QRect pixelsFromTwips(const TwipsRect& r) {
    return {pixelsFromTwips(r.left), pixelsFromTwips(r.top), pixelsFromTwips(r.width), pixelsFromTwips(r.height)};
}

inline QPoint pixelsFromTwips(TwipsPoint p) { return {pixelsFromTwips(p.left), pixelsFromTwips(p.top)}; }

inline QPointF twipsFromPixels(QPointF pixels) { return pixels * kTwipsPerPixel; }

inline TwipsPoint twipsPointFromPixels(QPoint pixels) {
    return {float(pixels.x() * kTwipsPerPixel), float(pixels.y() * kTwipsPerPixel)};
}

inline void place(QWidget& control, const TwipsRect& where) { control.setGeometry(pixelsFromTwips(where)); }

}  // namespace ringwright
