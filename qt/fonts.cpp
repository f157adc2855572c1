#include "qt/fonts.h"

#include <QStringList>

namespace ringwright {
namespace {

// Where the classic faces are missing, faces of the same narrow metrics keep
// "-0.000000" readable in a coordinate box. Registered once per program.
QFont classicFace(double points) {
    static const bool registered = [] {
        QFont::insertSubstitutions("MS Sans Serif",
                                   {"Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans Condensed"});
        QFont::insertSubstitutions("Arial Black", {"Liberation Sans", "Arial", "DejaVu Sans"});
        return true;
    }();
    (void)registered;
    QFont font("MS Sans Serif");
    font.setPointSizeF(points);
    return font;
}

}  // namespace

QFont windowFont() { return classicFace(8.25); }

QFont markerFont() {
    QFont font = classicFace(9.75);
    font.setBold(true);
    return font;
}

// Arial Black has one weight, its heaviest; asking for that weight keeps the
// three dots bold where a lighter face stands in for it.
QFont dotsFont() {
    classicFace(8.25);  // the substitutions
    QFont font("Arial Black");
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Black);
    return font;
}

}  // namespace ringwright
