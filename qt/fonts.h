#pragma once
// The form's faces as Qt fonts: the window's own, the bold one of the row
// digits and the fielder markers, and the black one of the "..." button.
#include <QFont>

#include "editor/form.h"

namespace ringwright {

QFont fontOf(form::Face face);

}  // namespace ringwright
