// The Type A press: its texts, the order of its writes, the read-back and the faults.
#include "../support/map_fields.h"
#include "press_fault.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/type_a_calculation.h"

#include <gtest/gtest.h>

#include <vector>

using wallcalc::ArithmeticFault;
using wallcalc::TypeACalculation;

namespace {

const std::vector<std::string> kWriteOrder{
    "Text16", "Text17", "Text18", "Text8", "Text9", "Text21", "Text22", "Text19", "Text20"};

MapFields workedExample()
{
    return {{"Text1", "1"}, {"Text2", "2"}, {"Text3", "3"}, {"Text4", "0.5"}, {"Text5", "1.5"},
            {"Text6", "2"}, {"Text10", "1"}, {"Text11", "3"}, {"Text12", "2"}, {"Text13", "1"},
            {"Text14", "1"}, {"Text15", "3"}, {"Text7", "10"}};
}

TEST(TypeAPress, WorkedExample)
{
    MapFields fields = workedExample();
    TypeACalculation(fields);
    EXPECT_EQ(fields.text("Text16"), "6.5");
    EXPECT_EQ(fields.text("Text17"), "7");
    EXPECT_EQ(fields.text("Text18"), "6.75");
    EXPECT_EQ(fields.text("Text8"), "67.5");
    EXPECT_EQ(fields.text("Text19"), "25");
    EXPECT_EQ(fields.text("Text20"), "42.5");
    for (const char* unit : {"Text9", "Text21", "Text22"}) {
        EXPECT_EQ(fields.text(unit), "立方米");
    }
    EXPECT_EQ(fields.writes(), kWriteOrder);
    EXPECT_EQ(std::vector<std::string>(wallcalc::TypeAOutputs.begin(), wallcalc::TypeAOutputs.end()), kWriteOrder);
}

TEST(TypeAPress, EmptyWindowGivesZeros)
{
    MapFields fields;
    TypeACalculation(fields);
    for (const char* result : {"Text16", "Text17", "Text18", "Text8", "Text19", "Text20"}) {
        EXPECT_EQ(fields.text(result), "0") << result;
    }
    EXPECT_EQ(fields.text("Text9"), "立方米");
}

TEST(TypeAPress, WithoutLengthTheVolumesAreZero)
{
    MapFields fields = workedExample();
    fields.setText("Text7", "");
    TypeACalculation(fields);
    EXPECT_EQ(fields.text("Text18"), "6.75");
    EXPECT_EQ(fields.text("Text8"), "0");
    EXPECT_EQ(fields.text("Text19"), "0");
    EXPECT_EQ(fields.text("Text20"), "0");
}

TEST(TypeAPress, EarlierResultsPlayNoPart)
{
    MapFields fields = workedExample();
    for (const char* output : {"Text8", "Text9", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22"}) {
        fields.setText(output, "999");
    }
    TypeACalculation(fields);
    EXPECT_EQ(fields.text("Text8"), "67.5");
    EXPECT_EQ(fields.text("Text16"), "6.5");
}

// With these inputs the total made from the unrounded average ends in ...843; the average as
// shown times L ends in ...842, and that is the text the window must show.
TEST(TypeAPress, TotalIsTheShownAverageTimesTheLength)
{
    MapFields fields{{"Text1", "2.44514"}, {"Text2", "7.1734"}, {"Text3", "0.4346"}, {"Text4", "8.10214"},
                     {"Text5", "1.07652"}, {"Text6", "7.9696"}, {"Text7", "2.5951"}, {"Text10", "6.9005"},
                     {"Text11", "8.31399"}, {"Text12", "1.213"}, {"Text13", "4.8829"}, {"Text14", "7.9468"},
                     {"Text15", "1.5724"}};
    TypeACalculation(fields);
    EXPECT_EQ(fields.text("Text16"), "38.66523311");
    EXPECT_EQ(fields.text("Text17"), "19.314298325");
    EXPECT_EQ(fields.text("Text18"), "28.9897657175");
    EXPECT_EQ(fields.text("Text8"), "75.2313410134842");
    EXPECT_EQ(fields.text("Text19"), "60.5460633658554");
    EXPECT_EQ(fields.text("Text20"), "14.6852776476289");
}

// Found by a search with Python's doubles: the average made from s1 and s2 in memory ends in
// ...2023, from their texts in ...202; the total from the average in memory ends in ...99, from
// its text in ...991.
TEST(TypeAPress, AverageAndTotalUseTheTextsJustWritten)
{
    MapFields average{{"Text1", "9.660956"}, {"Text2", "9.4125166"}, {"Text3", "8.410857"}, {"Text4", "5.5710331"},
                      {"Text5", "3.81537097"}, {"Text6", "8.3758473"}, {"Text10", "0.74858"}, {"Text11", "6.287645"},
                      {"Text12", "1.442597"}, {"Text13", "9.2246911"}, {"Text14", "3.6060654"},
                      {"Text15", "8.8700265"}, {"Text7", "10"}};
    TypeACalculation(average);
    EXPECT_EQ(average.text("Text16"), "119.521668859218");
    EXPECT_EQ(average.text("Text17"), "61.9797936231861");
    EXPECT_EQ(average.text("Text18"), "90.750731241202");

    MapFields total{{"Text1", "1.3763"}, {"Text2", "2.5593"}, {"Text3", "5.5591"}, {"Text4", "7.85102"},
                    {"Text5", "2.565"}, {"Text6", "5.52393"}, {"Text10", "6.0917"}, {"Text11", "0.6392"},
                    {"Text12", "9.618"}, {"Text13", "5.797"}, {"Text14", "3.42053"}, {"Text15", "0.4708"},
                    {"Text7", "17.093"}};
    TypeACalculation(total);
    EXPECT_EQ(total.text("Text18"), "37.12329216065");
    EXPECT_EQ(total.text("Text8"), "634.548432901991");
}

TEST(TypeAPress, NegativeHeightIsUsedAsItIs)
{
    MapFields fields = workedExample();
    fields.setText("Text3", "-3");
    TypeACalculation(fields);
    EXPECT_EQ(fields.text("Text16"), "-2.5");
    EXPECT_EQ(fields.text("Text20"), "-2.5");
}

class TypeAFault : public testing::TestWithParam<FaultCase> {};

TEST_P(TypeAFault, StopsThePressAndKeepsEarlierWrites)
{
    expectFaultKeepsEarlierWrites(TypeACalculation, workedExample(), kWriteOrder, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Faults, TypeAFault, testing::Values(
    FaultCase{"InputBeyondRange", {{"Text15", "1E999"}}, ArithmeticFault::Cause::FieldValue, "Text15", 0},
    FaultCase{"FirstSection", {{"Text1", "1e200"}, {"Text3", "1e200"}}, ArithmeticFault::Cause::Operation, "Text16", 0},
    FaultCase{"SecondSection", {{"Text10", "1e300"}, {"Text11", "1e300"}, {"Text12", "1e10"}},
              ArithmeticFault::Cause::Operation, "Text17", 1},
    FaultCase{"Total", {{"Text1", "1e200"}, {"Text3", "2"}, {"Text7", "1e200"}},
              ArithmeticFault::Cause::Operation, "Text8", 3}),
    faultCaseName);

}  // namespace
