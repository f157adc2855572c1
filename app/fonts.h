#pragma once
// The editor's two classic faces: the window's own, for controls that set
// none, and the bold one of the row digits and the fielder markers.
#include <QFont>

namespace ringwright {

QFont windowFont();
QFont markerFont();

}  // namespace ringwright
