// The foundation press: its texts, the order of its writes, the read-back of the shape areas and the faults.
#include "../support/map_fields.h"
#include "press_fault.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/foundation_calculation.h"

#include <gtest/gtest.h>

#include <vector>

using wallcalc::ArithmeticFault;
using wallcalc::FoundationCalculation;

namespace {

const std::vector<std::string> kWriteOrder{"Text25", "Text26", "Text27", "Text28", "Text29", "Text30",
                                           "Text31", "Text32", "Text33", "Text34", "Text35", "Text22"};

// Each shape's dimensions go to its own area box, and its area to its own section.
TEST(FoundationPress, EveryShapeHasItsBoxesAndTheWritesTheirOrder)
{
    MapFields fields{{"Text1", "1"},  {"Text2", "2"},  {"Text3", "2"},  {"Text4", "2"},  {"Text5", "3"},
                     {"Text6", "2"},  {"Text7", "4"},  {"Text8", "2"},  {"Text9", "1"},  {"Text10", "2"},
                     {"Text11", "1"}, {"Text12", "1"}, {"Text13", "2"}, {"Text14", "2"}, {"Text15", "1"},
                     {"Text16", "2"}, {"Text17", "4"}, {"Text18", "1"}, {"Text19", "2"}, {"Text20", "8"},
                     {"Text21", "2"}};
    FoundationCalculation(fields);
    const std::vector<std::string> expected{"1", "2", "3", "4", "1.5", "3", "6", "12", "7.5", "25", "16.25", "32.5"};
    for (std::size_t n = 0; n < kWriteOrder.size(); ++n) {
        EXPECT_EQ(fields.text(kWriteOrder[n]), expected[n]) << kWriteOrder[n];
    }
    EXPECT_EQ(fields.writes(), kWriteOrder);
    EXPECT_EQ(std::vector<std::string>(wallcalc::FoundationOutputs.begin(), wallcalc::FoundationOutputs.end()),
              kWriteOrder);
}

// The unrounded shape areas of the first section sum to ...096; the four areas as shown sum to
// ...0961, and that is the section area the window must show. The average and the volume come
// from the section sums before rounding: made from the shown section areas the average would end
// in ...038, and the volume from the shown average in ...667. What the result boxes held before
// plays no part.
TEST(FoundationPress, SectionAreaIsTheSumOfTheShownShapeAreas)
{
    MapFields fields{{"Text1", "8.1681722"}, {"Text2", "1.2651488"}, {"Text3", "7.5250599"}, {"Text4", "1.4829327"},
                     {"Text5", "2.3572096"}, {"Text6", "9.5683732"}, {"Text9", "1.5"},       {"Text10", "2.5"},
                     {"Text11", "0.75"},     {"Text21", "35.65"}};
    for (const std::string& output : kWriteOrder) {
        fields.setText(output, "999");
    }
    FoundationCalculation(fields);
    EXPECT_EQ(fields.text("Text25"), "5.16697662851168");
    EXPECT_EQ(fields.text("Text26"), "5.57957869758437");
    EXPECT_EQ(fields.text("Text29"), "1.5");
    EXPECT_EQ(fields.text("Text33"), "12.2465553260961");
    EXPECT_EQ(fields.text("Text34"), "11.2773305817114");
    EXPECT_EQ(fields.text("Text35"), "11.7619429539037");
    EXPECT_EQ(fields.text("Text22"), "419.313266306668");
}

class FoundationFault : public testing::TestWithParam<FaultCase> {};

TEST_P(FoundationFault, StopsThePressAndKeepsEarlierWrites)
{
    expectFaultKeepsEarlierWrites(FoundationCalculation, {}, kWriteOrder, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, FoundationFault, testing::Values(
    FaultCase{"HeightIsReadBeforeBase", {{"Text1", "1E999"}, {"Text2", "1E999"}},
              ArithmeticFault::Cause::FieldValue, "Text2", 0},
    FaultCase{"TrapezoidArea", {{"Text18", "1e308"}, {"Text19", "1e308"}, {"Text20", "1"}},
              ArithmeticFault::Cause::Operation, "Text32", 7},
    FaultCase{"Average",
              {{"Text1", "1e308"}, {"Text2", "1.6"}, {"Text3", "1e308"}, {"Text4", "1.6"}, {"Text5", "1e308"},
               {"Text6", "1.6"}, {"Text7", "1e308"}, {"Text8", "1.6"}},
              ArithmeticFault::Cause::Operation, "Text35", 10},
    FaultCase{"LengthBeyondRange", {{"Text21", "1E999"}}, ArithmeticFault::Cause::FieldValue, "Text21", 11}),
    faultCaseName);

}  // namespace
