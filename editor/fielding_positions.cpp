#include "editor/fielding_positions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "fielddata/coordinates.h"

namespace ringwright::positions {
namespace {

// The regions of the ground, one side and depth at a time, each from the
// angle it begins at (from straight down the pitch) to the next one listed.
// The boundaries are the ones coaching diagrams of cricket draw: square is
// 90 degrees, the slip cordon and fine leg lie within some 30 degrees of
// straight behind, the "mid" and "long" positions within 25 to 45 degrees
// of straight, cover and midwicket halfway between.
struct Region {
    bool offSide;
    Depth depth;
    double from;  // degrees
    const char* name;
};
constexpr Region kRegions[] = {
    // Off side, within 12 yards of the striker.
    {true, Depth::Close, 125, "slip"},
    {true, Depth::Close, 105, "gully"},
    {true, Depth::Close, 60, "silly point"},
    {true, Depth::Close, 0, "silly mid-off"},
    // Off side, inside the ring.
    {true, Depth::Ring, 150, "fly slip"},
    {true, Depth::Ring, 125, "gully"},
    {true, Depth::Ring, 100, "backward point"},
    {true, Depth::Ring, 80, "point"},
    {true, Depth::Ring, 65, "cover point"},
    {true, Depth::Ring, 45, "cover"},
    {true, Depth::Ring, 25, "extra cover"},
    {true, Depth::Ring, 0, "mid-off"},
    // Off side, outside the ring.
    {true, Depth::Deep, 125, "third man"},
    {true, Depth::Deep, 85, "deep point"},
    {true, Depth::Deep, 40, "deep cover"},
    {true, Depth::Deep, 0, "long off"},
    // Leg side, within 12 yards.
    {false, Depth::Close, 135, "leg slip"},
    {false, Depth::Close, 105, "leg gully"},
    {false, Depth::Close, 45, "short leg"},
    {false, Depth::Close, 0, "silly mid-on"},
    // Leg side, inside the ring.
    {false, Depth::Ring, 135, "short fine leg"},
    {false, Depth::Ring, 100, "backward square leg"},
    {false, Depth::Ring, 80, "square leg"},
    {false, Depth::Ring, 35, "midwicket"},
    {false, Depth::Ring, 0, "mid-on"},
    // Leg side, outside the ring.
    {false, Depth::Deep, 150, "fine leg"},
    {false, Depth::Deep, 125, "long leg"},
    {false, Depth::Deep, 95, "deep square leg"},
    {false, Depth::Deep, 55, "deep midwicket"},
    {false, Depth::Deep, 30, "cow corner"},
    {false, Depth::Deep, 0, "long on"},
};

constexpr const char* kSlipOrdinals[] = {"first", "second", "third", "fourth"};

// Where a coach puts each position: degrees from straight, yards from the
// striker's stumps; deep ones short of the boundary 8 units out.
struct Spot {
    const char* name;
    bool offSide;
    double degrees, yards;
};
constexpr Spot kUsualSpots[] = {
    {"first slip", true, 150, 9},      {"second slip", true, 142, 9.5},  {"third slip", true, 135, 10},
    {"fourth slip", true, 128, 10.5},  {"fly slip", true, 155, 20},      {"gully", true, 132, 18},
    {"third man", true, 140, 55},      {"backward point", true, 110, 24}, {"silly point", true, 80, 6},
    {"point", true, 90, 26},           {"deep point", true, 100, 58},    {"cover point", true, 72, 26},
    {"cover", true, 55, 27},           {"deep cover", true, 60, 62},     {"extra cover", true, 35, 28},
    {"silly mid-off", true, 20, 8},    {"mid-off", true, 12, 26},        {"long off", true, 10, 63},
    {"long on", false, 10, 63},        {"mid-on", false, 12, 26},        {"silly mid-on", false, 20, 8},
    {"midwicket", false, 55, 27},      {"cow corner", false, 42, 62},    {"deep midwicket", false, 70, 62},
    {"short leg", false, 80, 6},       {"square leg", false, 90, 26},    {"deep square leg", false, 105, 58},
    {"backward square leg", false, 115, 24}, {"leg gully", false, 120, 8}, {"short fine leg", false, 150, 22},
    {"long leg", false, 135, 55},      {"fine leg", false, 160, 55},     {"leg slip", false, 150, 8},
};

// The animation of a fielder in the slip cordon.
constexpr std::string_view kSlipAnimation = "Slip01.anm";

// The popping crease, 4 feet in front of the stumps: "behind square" is
// measured from it (Law 28.4).
constexpr double kPoppingCreaseUnits = (4.0 / 3) / kYardsPerUnit;
// The pitch: the 22 yards between the stumps and the popping creases
// beyond them, 10 feet wide.
constexpr double kPitchHalfWidthUnits = (5.0 / 3) / kYardsPerUnit;
constexpr double kPitchHalfLengthUnits = kStumpsZ + kPoppingCreaseUnits;
// A marker's size on the ground view, 150 by 240 twips at 375 to the unit.
constexpr double kMarkerWidthUnits = 150.0 / 375, kMarkerHeightUnits = 240.0 / 375;
// No more than two fielders behind square on the leg side (Law 28.4); no
// more than five on the leg side, and two, four or five outside the ring,
// as limited-overs matches restrict them.
constexpr int kMostBehindSquareOnLeg = 2, kMostOnLeg = 5, kPowerplayOutside = 2, kMostOutside = 5;

// "fielder 3", "fielders 2 and 5", "fielders 1, 4 and 7".
std::string fieldersNamed(const std::vector<int>& fielders) {
    std::string text = fielders.size() == 1 ? "fielder " : "fielders ";
    for (std::size_t k = 0; k < fielders.size(); ++k)
        text += (k == 0 ? "" : k + 1 == fielders.size() ? " and " : ", ") + std::to_string(fielders[k]);
    return text;
}

// The clockwise order of the summary: the off side from behind to straight,
// then the leg side from straight to behind.
double sweepOrder(const Bearing& bearing) { return bearing.offSide ? 180 - bearing.degrees : 180 + bearing.degrees; }

// The signs that turn the ground view's X and Z into the striker's own
// directions: Z grows upwards, X to the left.
struct Directions {
    double towardsBowler, towardsOff;
};
Directions directionsOf(Orientation orientation) {
    return {orientation.striker == StrikerEnd::Bottom ? 1.0 : -1.0, orientation.off == OffSide::Right ? -1.0 : 1.0};
}

}  // namespace

Bearing bearingOf(GroundPoint fielder, Orientation orientation) {
    const Directions towards = directionsOf(orientation);
    const double along = (fielder.z + towards.towardsBowler * kStumpsZ) * towards.towardsBowler;
    const double across = fielder.x * towards.towardsOff;
    Bearing bearing;
    bearing.along = along;
    bearing.degrees = std::atan2(std::abs(across), along) * 180 / std::numbers::pi;
    bearing.yards = std::hypot(along, across) * kYardsPerUnit;
    bearing.offSide = across >= 0;
    const bool insideRing = std::hypot(fielder.x, fielder.z) <= kRingRadius;
    bearing.depth = bearing.yards <= kCloseYards ? Depth::Close : insideRing ? Depth::Ring : Depth::Deep;
    return bearing;
}

std::string regionName(const Bearing& bearing) {
    for (const Region& region : kRegions)
        if (region.offSide == bearing.offSide && region.depth == bearing.depth && bearing.degrees >= region.from)
            return region.name;
    return {};
}

FieldNames nameFielders(const FieldPoints& field, Orientation orientation) {
    FieldNames names;
    std::vector<std::pair<double, int>> slips;  // by angle, the keeper's side first
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        if (!field[std::size_t(i)]) continue;
        const Bearing bearing = bearingOf(*field[std::size_t(i)], orientation);
        names[std::size_t(i)] = regionName(bearing);
        if (names[std::size_t(i)] == "slip") slips.push_back({-bearing.degrees, i});
    }
    std::sort(slips.begin(), slips.end());
    for (std::size_t k = 0; k < slips.size() && k < std::size(kSlipOrdinals); ++k)
        names[std::size_t(slips[k].second)] = std::string(kSlipOrdinals[k]) + " slip";
    return names;
}

std::string describeField(const FieldPoints& field, Orientation orientation) {
    std::vector<std::pair<double, std::string>> placed;
    int off = 0, leg = 0;
    for (const auto& point : field) {
        if (!point) continue;
        const Bearing bearing = bearingOf(*point, orientation);
        placed.push_back({sweepOrder(bearing), regionName(bearing)});
        ++(bearing.offSide ? off : leg);
    }
    std::sort(placed.begin(), placed.end());
    std::vector<std::pair<std::string, int>> held;  // in the order first met
    for (const auto& [where, name] : placed) {
        const auto found = std::find_if(held.begin(), held.end(), [&](const auto& h) { return h.first == name; });
        if (found == held.end()) held.push_back({name, 1});
        else ++found->second;
    }
    std::string line;
    for (const auto& [name, count] : held) {
        const std::string shown = name == "slip" ? (count == 1 ? "1 slip" : std::to_string(count) + " slips")
                                  : count == 1   ? name
                                                 : name + " \u00D7" + std::to_string(count);
        line += (line.empty() ? "" : ", ") + shown;
    }
    return line + " \u00B7 " + std::to_string(off) + " off, " + std::to_string(leg) + " leg";
}

std::string shortDescription(const FieldPoints& field, Orientation orientation) {
    std::string line = describeField(field, orientation);
    line.erase(std::min(line.find(" \u00B7 "), line.size()));
    const auto first = line.find(", ");
    return first == std::string::npos ? line : line.substr(0, line.find(", ", first + 2));
}

std::vector<std::string> lawWarnings(const FieldPoints& field, Orientation orientation) {
    std::vector<int> behindSquareOnLeg, onLeg, onPitch, outside;
    std::vector<std::string> warnings;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const auto& point = field[std::size_t(i)];
        if (!point) continue;
        const Bearing bearing = bearingOf(*point, orientation);
        if (!bearing.offSide && bearing.along < kPoppingCreaseUnits) behindSquareOnLeg.push_back(i);
        if (!bearing.offSide) onLeg.push_back(i);
        if (std::abs(point->x) <= kPitchHalfWidthUnits && std::abs(point->z) <= kPitchHalfLengthUnits) onPitch.push_back(i);
        if (std::hypot(point->x, point->z) > kRingRadius) outside.push_back(i);
        for (int j = 0; j < i; ++j) {
            const auto& other = field[std::size_t(j)];
            if (other && std::abs(other->x - point->x) < kMarkerWidthUnits && std::abs(other->z - point->z) < kMarkerHeightUnits)
                warnings.push_back(fieldersNamed({j, i}) + " stand on each other");
        }
    }
    const auto count = [](const std::vector<int>& fielders) { return std::to_string(fielders.size()); };
    if (int(behindSquareOnLeg.size()) > kMostBehindSquareOnLeg)
        warnings.insert(warnings.begin(), count(behindSquareOnLeg) + " behind square on the leg side (" +
                                              fieldersNamed(behindSquareOnLeg) + "): Law 28.4 allows 2");
    if (int(onLeg.size()) > kMostOnLeg)
        warnings.push_back(count(onLeg) + " on the leg side (" + fieldersNamed(onLeg) + "): more than the usual 5");
    for (int i : onPitch) warnings.push_back(fieldersNamed({i}) + " stands on the pitch");
    if (int(outside.size()) > kPowerplayOutside)
        warnings.push_back(count(outside) + " outside the ring (" + fieldersNamed(outside) + "): more than " +
                           (int(outside.size()) > kMostOutside ? "a one-day match's 5" : "a powerplay's 2"));
    return warnings;
}

std::string fielderLine(int fielder, const std::string& name, const fielddata::FielderTexts& texts) {
    return std::to_string(fielder) + "  " + name + "  X " + texts.x + "  Z " + texts.z + "  " + texts.animation + " " +
           texts.value;
}

const std::vector<std::string>& placeableNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const Spot& spot : kUsualSpots) all.push_back(spot.name);
        return all;
    }();
    return names;
}

std::optional<GroundPoint> usualSpot(const std::string& name, Orientation orientation) {
    for (const Spot& spot : kUsualSpots) {
        if (name != spot.name) continue;
        const double units = spot.yards / kYardsPerUnit, radians = spot.degrees * std::numbers::pi / 180;
        const Directions towards = directionsOf(orientation);
        return GroundPoint{towards.towardsOff * (spot.offSide ? 1 : -1) * units * std::sin(radians),
                           towards.towardsBowler * (units * std::cos(radians) - kStumpsZ)};
    }
    return std::nullopt;
}

std::string markerTip(int fielder, const std::string& name) {
    return "Fielder " + std::to_string(fielder) + (name.empty() ? "" : ": " + name);
}

std::string describeOrientation(Orientation orientation) {
    return std::string("striker at the ") + (orientation.striker == StrikerEnd::Top ? "top" : "bottom") +
           " end, off side on the " + (orientation.off == OffSide::Left ? "left" : "right");
}

FieldPoints pointsOf(const fielddata::FieldTexts& texts) {
    FieldPoints points;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const auto x = fielddata::parseCoordinate(texts[std::size_t(i)].x);
        const auto z = fielddata::parseCoordinate(texts[std::size_t(i)].z);
        if (x && z) points[std::size_t(i)] = GroundPoint{x.value(), z.value()};
    }
    return points;
}

OrientationGuess guessOrientation(const std::vector<fielddata::FieldTexts>& fields) {
    double x = 0, z = 0;
    int slips = 0;
    for (const fielddata::FieldTexts& texts : fields) {
        const FieldPoints points = pointsOf(texts);
        for (int i = 0; i < fielddata::kFielderCount; ++i)
            if (points[std::size_t(i)] && fielddata::animationEntry(texts[std::size_t(i)].animation) == fielddata::animationEntry(kSlipAnimation)) {
                x += points[std::size_t(i)]->x;
                z += points[std::size_t(i)]->z;
                ++slips;
            }
    }
    OrientationGuess guess{{}, slips};
    if (slips == 0) return guess;
    // The slips stand beyond the striker's end, on the off side.
    guess.orientation.striker = z > 0 ? StrikerEnd::Top : StrikerEnd::Bottom;
    guess.orientation.off = x > 0 ? OffSide::Left : OffSide::Right;
    return guess;
}

}  // namespace ringwright::positions
