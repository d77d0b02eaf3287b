// The Type B press: its texts and the order of its writes, a read-back, and a fault part-way.
#include "../support/map_fields.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/type_b_calculation.h"

#include <gtest/gtest.h>

#include <vector>

using wallcalc::ArithmeticFault;
using wallcalc::TypeBCalculation;

namespace {

// Section 2 differs from section 1 only in C1 and G1.
MapFields workedExample()
{
    return {{"Text1", "0.5"},   {"Text2", "0.5"},    {"Text3", "2"},      {"Text4", "4"},      {"Text5", "0.25"},
            {"Text6", "0.125"}, {"Text7", "5"},      {"Text8", "0.5"},    {"Text9", "2.125"},  {"Text10", "0.125"},
            {"Text41", "0.5"},  {"Text11", "0.5"},   {"Text12", "0.5"},   {"Text33", "3"},     {"Text34", "4"},
            {"Text35", "0.25"}, {"Text36", "0.125"}, {"Text37", "6"},     {"Text38", "0.5"},   {"Text39", "2.125"},
            {"Text40", "0.125"}, {"Text42", "0.5"},  {"Text13", "10"}};
}

std::vector<std::string> results(const MapFields& fields)
{
    std::vector<std::string> shown;
    for (std::string_view name : wallcalc::TypeBOutputs) {
        shown.push_back(fields.text(std::string(name)));
    }
    return shown;
}

TEST(TypeBPress, WorkedExampleInElevenWrites)
{
    MapFields fields = workedExample();
    TypeBCalculation(fields);
    EXPECT_EQ(results(fields), (std::vector<std::string>{"8.65625", "1.65625", "7", "9.5625", "1.84375", "17.5",
                                                         "82.8125", "11.40625", "10.03125", "100.3125"}));
    EXPECT_EQ(fields.writes(), (std::vector<std::string>{"Text16", "Text43", "Text44", "Text46", "Text45", "Text14",
                                                         "Text15", "Text16", "Text17", "Text18", "Text19"}));
}

// A body area of sixteen 3s after the point shows fifteen, and the volume is made from what is shown.
TEST(TypeBPress, VolumesUseTheAreasAsShown)
{
    MapFields fields{{"Text1", "0.3333333333333333"}, {"Text3", "1"}, {"Text7", "1"}, {"Text13", "6"}};
    TypeBCalculation(fields);
    EXPECT_EQ(fields.text("Text44"), "0.333333333333333");
    EXPECT_EQ(fields.text("Text15"), "0.999999999999999");
    EXPECT_EQ(fields.text("Text18"), "0.166666666666666");
    EXPECT_EQ(fields.text("Text19"), "0.999999999999999");
}

// E% is a ratio used as typed: 25 is not a quarter.
TEST(TypeBPress, BattersAreNotPercentages)
{
    MapFields fields = workedExample();
    fields.setText("Text5", "25");
    TypeBCalculation(fields);
    EXPECT_EQ(fields.text("Text44"), "205");
}

TEST(TypeBPress, OverflowInSectionTwoKeepsSectionOnesWrites)
{
    MapFields fields = workedExample();
    fields.setText("Text11", "1e200");
    fields.setText("Text33", "1e200");
    fields.setText("Text19", "old");
    const std::size_t writesBefore = fields.writes().size();
    try {
        TypeBCalculation(fields);
        FAIL() << "no fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.cause(), ArithmeticFault::Cause::Operation);
        EXPECT_EQ(fault.field(), "Text46");
    }
    EXPECT_EQ(std::vector<std::string>(fields.writes().begin() + static_cast<std::ptrdiff_t>(writesBefore),
                                       fields.writes().end()),
              (std::vector<std::string>{"Text16", "Text43", "Text44"}));
    EXPECT_EQ(fields.text("Text44"), "7");
    EXPECT_EQ(fields.text("Text19"), "old");
}

}  // namespace
