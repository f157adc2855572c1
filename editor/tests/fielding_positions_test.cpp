// Positions typed out as a coach gives them, in degrees from straight down
// the pitch and yards from the striker's stumps, under all four orientations.
#include <gtest/gtest.h>

#include <cmath>

#include "editor/fielding_positions.h"

namespace ringwright::testing {
namespace {

using namespace positions;

const Orientation kAll[] = {{StrikerEnd::Bottom, OffSide::Right}, {StrikerEnd::Bottom, OffSide::Left},
                            {StrikerEnd::Top, OffSide::Right}, {StrikerEnd::Top, OffSide::Left}};

// 22 yards between stumps 2.6 units apart; X grows to the left on the ground
// view, Z upwards.
GroundPoint at(double degrees, double yards, bool offSide, Orientation o) {
    const double units = yards * 2.6 / 22, radians = degrees * 3.14159265358979 / 180;
    const double towardsBowler = o.striker == StrikerEnd::Bottom ? 1 : -1;
    const double towardsOff = o.off == OffSide::Right ? -1 : 1;
    return {towardsOff * (offSide ? 1 : -1) * units * std::sin(radians),
            towardsBowler * (units * std::cos(radians) - 1.3)};
}

TEST(FieldingPositions, EachPositionIsNamedFromTheStrikersStumpsWhicheverWayTheGroundIsSeen) {
    const struct {
        double degrees, yards;
        bool offSide;
        const char* name;
    } spots[] = {{135, 10, true, "first slip"},    {135, 20, true, "gully"},          {90, 25, true, "point"},
                 {55, 25, true, "cover"},          {12, 25, true, "mid-off"},         {10, 70, false, "long on"},
                 {70, 60, false, "deep midwicket"}, {105, 60, false, "deep square leg"}, {165, 55, false, "fine leg"},
                 {140, 55, true, "third man"},     {90, 25, false, "square leg"},     {120, 8, false, "leg gully"}};
    for (const Orientation& o : kAll)
        for (const auto& spot : spots) {
            FieldPoints field;
            field[4] = at(spot.degrees, spot.yards, spot.offSide, o);
            EXPECT_EQ(nameFielders(field, o)[4], spot.name)
                << spot.name << " with the striker at the " << (o.striker == StrikerEnd::Top ? "top" : "bottom");
        }
}

TEST(FieldingPositions, TheFieldInOneLineCountsSlipsAndRepeatsClockwise) {
    for (const Orientation& o : kAll) {
        FieldPoints field;
        const double slips[][2] = {{150, 9}, {138, 10}, {127, 11}};
        for (int k = 0; k < 3; ++k) field[std::size_t(k)] = at(slips[k][0], slips[k][1], true, o);
        field[3] = at(12, 25, false, o);   // mid-on
        field[4] = at(115, 18, true, o);   // backward point
        field[5] = at(118, 20, true, o);   // backward point again
        field[6] = at(55, 25, true, o);    // cover
        field[7] = at(90, 25, false, o);   // square leg
        field[8] = at(165, 55, false, o);  // fine leg
        EXPECT_EQ(describeField(field, o),
                  "3 slips, backward point \u00D72, cover, mid-on, square leg, fine leg \u00B7 6 off, 3 leg");
        const FieldNames names = nameFielders(field, o);
        EXPECT_EQ(names[0] + ", " + names[1] + ", " + names[2], "first slip, second slip, third slip");
    }
    FieldPoints empty;
    empty[2] = GroundPoint{0, 5};  // straight in front, beyond the ring
    EXPECT_EQ(describeField(empty, {}), "long off \u00B7 1 off, 0 leg");
}

TEST(FieldingPositions, TheLawsWarningsNameTheFieldersConcerned) {
    for (const Orientation& o : kAll) {
        FieldPoints field;
        field[0] = at(165, 55, false, o);  // fine leg
        field[1] = at(110, 20, false, o);  // backward square leg
        field[2] = at(140, 8, false, o);   // leg slip
        field[3] = at(92, 2, false, o);    // square of the stumps, yet behind the popping crease
        field[4] = at(0, 11, true, o);     // on the pitch
        field[5] = at(60, 60, true, o);    // deep cover
        field[6] = at(20, 60, true, o);    // long off
        field[7] = at(55, 25, true, o);    // cover, and fielder 8 all but on top of it
        field[8] = GroundPoint{field[7]->x + 0.39, field[7]->z - 0.63};
        std::string all;
        for (const std::string& warning : lawWarnings(field, o)) all += warning + "; ";
        EXPECT_EQ(all, "4 behind square on the leg side (fielders 0, 1, 2 and 3): Law 28.4 allows 2; "
                       "fielders 7 and 8 stand on each other; fielder 4 stands on the pitch; "
                       "3 outside the ring (fielders 0, 5 and 6): more than a powerplay's 2; ");
    }
    FieldPoints legSide;
    for (int i = 0; i < 9; ++i) legSide[std::size_t(i)] = at(10 + 5 * i, 60, i < 3, {});
    EXPECT_EQ(lawWarnings(legSide, {}).front(), "6 on the leg side (fielders 3, 4, 5, 6, 7 and 8): more than the usual 5");
    EXPECT_EQ(lawWarnings(legSide, {}).back(),
              "9 outside the ring (fielders 0, 1, 2, 3, 4, 5, 6, 7 and 8): more than a one-day match's 5");
}

}  // namespace
}  // namespace ringwright::testing
