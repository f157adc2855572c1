#include "qt/fonts.h"

#include <QStringList>

namespace ringwright {

// Where the classic faces are missing, faces of the same narrow metrics keep
// "-0.000000" readable in a coordinate box.
QFont fontOf(form::Face face) {
    static const bool registered = [] {
        QFont::insertSubstitutions("MS Sans Serif",
                                   {"Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans Condensed"});
        QFont::insertSubstitutions("Arial Black", {"Liberation Sans", "Arial", "DejaVu Sans"});
        return true;
    }();
    (void)registered;
    const form::Typeface typeface = form::faceOf(face);
    QFont font(typeface.family);
    font.setPointSizeF(typeface.points);
    font.setWeight(QFont::Weight(typeface.weight));
    return font;
}

}  // namespace ringwright
