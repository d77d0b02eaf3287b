// The take-off: stations, a pair pressed as the calculator presses, the totals and the file.
#include "wallcalc/takeoff.h"
#include "wallcalc/takeoff_file.h"
#include "wallcalc/takeoff_types.h"

#include <gtest/gtest.h>

using namespace wallcalc;

TEST(Station, ReadsAndSubtractsExactly)
{
    const struct { const char* upper; const char* lower; const char* length; } cases[] = {
        {"K1+220.1", "K1+234.5", "14.4"}, {" k0+005 ", "12.25", "7.25"}, {"1000", "K1+000.5", "0.5"},
        {"K2+100", "K2+090", "-10"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalText(*Difference(*ParseStation(c.upper), *ParseStation(c.lower))), c.length) << c.upper;
    }
    for (const char* bad : {"", "K+5", "K1+", "1.", "1,5", "K1+2+3", "abc", "9999999999999999999"}) {
        EXPECT_FALSE(ParseStation(bad)) << bad;
    }
}

TEST(Takeoff, PairsAreTheCalculatorsPressesAndSumToTheTotals)
{
    // The worked examples of tests/data/copy-*.txt, the stations 10 m apart.
    const struct { int type; TakeoffRow upper, lower; std::vector<std::string> volumes; } cases[] = {
        {0, {"K0+000", {"1", "2", "3", "0.5", "1.5", "2"}}, {"K0+010", {"1", "3", "2", "1", "1", "3"}},
         {"67.5", "25", "42.5"}},
        {1, {"0", {"0.5", "0.5", "2", "4", "0.25", "0.125", "5", "0.5", "2.125", "0.125", "0.5"}},
         {"10", {"0.5", "0.5", "3", "4", "0.25", "0.125", "6", "0.5", "2.125", "0.125", "0.5"}},
         {"17.5", "82.8125", "100.3125"}},
        {2, {"K0+000", {"3", "2", "", "", "1", "2", "1", "", "", ""}}, {"K0+010", {}}, {"22.5"}},
    };
    for (const auto& c : cases) {
        const TakeoffType& type = TakeoffTypes[std::size_t(c.type)];
        const std::vector<TakeoffRow> rows{c.upper, c.lower, {"5", {}}, c.upper};  // a falling row, left out
        const std::vector<RowProblem> problems = CheckStations(rows);
        EXPECT_EQ(problems[2], RowProblem::NotRising);
        const std::vector<PairResult> pairs = RunPairs(type, rows, problems);
        ASSERT_EQ(pairs.size(), 3u);
        EXPECT_FALSE(pairs[1].computed);
        for (std::size_t v = 0; v < c.volumes.size(); ++v) {
            EXPECT_EQ(pairs[0].texts.at(std::string(type.volumes[v])), c.volumes[v]) << type.caption;
        }
        const TakeoffTotals totals = SumPairs(type, pairs);
        EXPECT_EQ(totals.counted, 1);
        EXPECT_EQ(totals.length, "10");
        EXPECT_EQ(*totals.volumes.back(), c.volumes.back());
    }
}

TEST(TakeoffFile, RoundTripsAndNamesWhereAFileIsBroken)
{
    const Takeoff takeoff{1, {{"K0+000", {"a,b", "\"q\"", "", "1", "2", "3", "4", "5", "6", "7", "8"}}}};
    const std::string bytes = WriteTakeoff(takeoff, std::vector<std::string>(11, "x"));
    const auto back = std::get<Takeoff>(ReadTakeoff(bytes));
    EXPECT_EQ(back.type, 1);
    EXPECT_EQ(back.rows[0].inputs, takeoff.rows[0].inputs);
    EXPECT_EQ(std::get<Takeoff>(ReadTakeoff("挡墙基础计算,,\n桩号\n1,2,3,4,5,6,7,8,9,10,11,,\n")).rows.size(), 1u);

    const struct { const char* bytes; std::size_t line, column; } broken[] = {
        {"挡土墙C类\n", 1, 1},
        {"挡土墙A类\n桩号\n1,2\n", 3, 3},
        {"挡土墙A类\n桩号\n1,\"2\n", 3, 2},
        {"挡土墙A类\n桩号\n1,\xB5\xB2\n", 3, 3},
    };
    for (const auto& b : broken) {
        const auto error = std::get<FileError>(ReadTakeoff(b.bytes));
        EXPECT_EQ(std::pair(error.line, error.column), std::pair(b.line, b.column)) << b.bytes;
    }
}
