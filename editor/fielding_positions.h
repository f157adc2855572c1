#pragma once
// A field in cricket's words: each fielder's position named from where it
// stands as seen from the striker's stumps, and the field summed up in one
// line. The game's files do not say which end the striker is at nor which
// side is the off side: an Orientation answers that, chosen by the player or
// guessed from where a catalogue's slip fielders stand.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fielddata/field_text.h"

namespace ringwright::positions {

// The ground in game units: the boundary 8 units around the origin, the
// pitch along Z through it. Taking the 22 yards between the stumps as the
// stumps at Z = -1.3 and 1.3, a unit is about 8.5 yards.
constexpr double kStumpsZ = 1.3;
constexpr double kYardsPerUnit = 22.0 / (2 * kStumpsZ);
// Shape1, the ring drawn on the ground, 4 units around the origin.
constexpr double kRingRadius = 4.0;
// Cricket's "close" fielders stand within about 12 yards of the striker.
constexpr double kCloseYards = 12.0;

// As seen on the ground view, where X grows to the left and Z upwards.
enum class StrikerEnd { Top, Bottom };
enum class OffSide { Left, Right };
struct Orientation {
    StrikerEnd striker = StrikerEnd::Bottom;
    OffSide off = OffSide::Right;
    bool operator==(const Orientation&) const = default;
};

struct GroundPoint {
    double x = 0, z = 0;  // game units
};

enum class Depth { Close, Ring, Deep };

// Where a fielder stands from the striker's stumps: 0 degrees straight down
// the pitch towards the bowler, 180 straight behind.
struct Bearing {
    double degrees = 0;
    double yards = 0;
    double along = 0;  // game units towards the bowler, negative behind the stumps
    bool offSide = true;
    Depth depth = Depth::Ring;
};
Bearing bearingOf(GroundPoint fielder, Orientation orientation);

// The name of the region a bearing falls in ("slip" for every slip).
std::string regionName(const Bearing& bearing);

// The nine fielders' names, slips counted from the keeper ("first slip");
// a fielder whose boxes hold no coordinates has no name.
using FieldPoints = std::array<std::optional<GroundPoint>, fielddata::kFielderCount>;
using FieldNames = std::array<std::string, fielddata::kFielderCount>;
FieldNames nameFielders(const FieldPoints& field, Orientation orientation);

// "3 slips, gully, point, cover, mid-off, mid-on, square leg · 6 off, 3 leg":
// clockwise from behind on the off side round to behind on the leg side,
// a position held twice or more as "gully ×2".
std::string describeField(const FieldPoints& field, Orientation orientation);
// What sets the field apart, for its name: its first two positions from the
// slips round ("3 slips, gully").
std::string shortDescription(const FieldPoints& field, Orientation orientation);

// What the Laws of cricket and the usual fielding restrictions would say of
// the field, each naming the fielders concerned; none stops anything.
std::vector<std::string> lawWarnings(const FieldPoints& field, Orientation orientation);

// "0  first slip  X -0.900000  Z -2.100000  Slip01.anm 1": one fielder as a
// post on a forum gives it.
std::string fielderLine(int fielder, const std::string& name, const fielddata::FielderTexts& texts);

// The positions a fielder can be placed at by name, in the order of the
// summary, and each one's usual spot.
const std::vector<std::string>& placeableNames();
std::optional<GroundPoint> usualSpot(const std::string& name, Orientation orientation);

// A marker's tooltip: "Fielder 3: cover", or "Fielder 3" with no name shown.
std::string markerTip(int fielder, const std::string& name);

// "striker at the bottom end, off side on the right".
std::string describeOrientation(Orientation orientation);

// The fielders' places as their boxes' texts give them.
FieldPoints pointsOf(const fielddata::FieldTexts& texts);

// From the mean place of every fielder with the slip animation: the slips
// stand behind the striker on the off side. Without one: the default.
struct OrientationGuess {
    Orientation orientation;
    int slipFielders = 0;
};
OrientationGuess guessOrientation(const std::vector<fielddata::FieldTexts>& fields);

}  // namespace ringwright::positions
