#pragma once
// The ground view in twips against the game's X and Z. The game origin lies at
// (3000, 3000) twips, 375 twips to the unit, X growing to the left, Z upward.
// Number text always uses a point: the game's files are read with one.
#include <string>
#include <string_view>

#include "fielddata/outcome.h"

namespace fielddata {

using Twips = float;  // a marker's Left or Top, as the view keeps it

constexpr double kMinCoordinate = -8.0;
constexpr double kMaxCoordinate = 8.0;

// (8000 - twips * 8 / 3) / 1000 in double precision, then rounded to float.
float viewToGame(Twips position);

// (8000 - value * 1000) * 3 / 8 in double precision, kept as float.
Twips gameToView(double value);

// "0.000000": a leading minus for negatives, six decimals, no exponent.
std::string formatCoordinate(float value);

// Accepts an optional sign, digits with at most one point (at least one digit),
// and blanks around it; no exponent, no grouping, no comma. Never yields a
// non-finite value.
Outcome<double> parseCoordinate(std::string_view text);

bool inCoordinateRange(double value);

}  // namespace fielddata
