#pragma once
// The editor's classic faces: the window's own, for controls that set none,
// the bold one of the row digits and the fielder markers, and the black one
// of the "..." button.
#include <QFont>

namespace ringwright {

QFont windowFont();
QFont markerFont();
QFont dotsFont();

}  // namespace ringwright
