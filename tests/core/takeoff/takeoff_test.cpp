// The take-off: stations, a pair pressed as the calculator presses, the totals and the file.
#include "wallcalc/takeoff.h"
#include "wallcalc/takeoff_csv.h"
#include "wallcalc/calculators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <tuple>

using namespace wallcalc;

namespace {

__extension__ typedef __int128 Wide;  // holds any sum of lengths exactly

// Micrometres as a decimal, written out digit by digit: the reference for DecimalText.
std::string referenceText(Wide micrometres)
{
    const bool negative = micrometres < 0;
    std::string digits;
    for (Wide rest = negative ? -micrometres : micrometres; rest > 0 || digits.size() < 7; rest /= 10) {
        digits.insert(digits.begin(), char('0' + int(rest % 10)));
    }
    digits.insert(digits.end() - 6, '.');
    while (digits.back() == '0') {
        digits.pop_back();
    }
    if (digits.back() == '.') {
        digits.pop_back();
    }
    return negative ? "-" + digits : digits;
}

std::string readingText(const StationReading& reading)
{
    if (const auto* metres = std::get_if<ExactMetres>(&reading)) {
        return DecimalText(*metres);
    }
    const char* names[] = {"Unreadable", "TooManyDecimals", "TooManyDigits", "MetresTooLarge"};
    return names[int(std::get<StationError>(reading))];
}

}  // namespace

TEST(Station, ReadsEveryFormWithinItsBounds)
{
    const struct { const char* text; const char* read; } cases[] = {
        // Each form and each bound; the random walls below read many more in range, leading zeros,
        // trailing tabs and the plainly unreadable.
        {"K1+234.5", "1234.5"}, {"k1+234.5", "1234.5"}, {" K0+005 ", "5"}, {"1234.5", "1234.5"}, {"\t7\n", "7"},
        {"0", "0"}, {"1.123456", "1.123456"}, {"K999999999+999.999999", "999999999999.999999"},
        {"999999999999.999999", "999999999999.999999"}, {"K000000000+000000000000.000000", "0"},
        {"1.1234567", "TooManyDecimals"}, {"K1+0.0000000", "TooManyDecimals"}, {"K1+1000.1234567", "TooManyDecimals"},
        {"1000000000000", "TooManyDigits"}, {"K1234567890+0", "TooManyDigits"}, {"K1+1000000000000", "TooManyDigits"},
        {"9999999999999999999", "TooManyDigits"}, {"K1234567890+1000", "TooManyDigits"},
        // The metres after the plus make less than a kilometre: 「K2+4100」 is a digit too many.
        {"K2+4100", "MetresTooLarge"}, {"K1+999999999999", "MetresTooLarge"}, {"K0+1000.000000", "MetresTooLarge"},
        {"2+1000", "MetresTooLarge"}, {"K0+999.999999", "999.999999"}, {"K2+0999", "2999"},
        // A line's letters before the K, no K at all, and the full-width forms of an input method.
        {"ZK2+340", "2340"}, {"ak3+001", "3001"}, {"ZYK1+1", "1001"}, {"KK1+1", "1001"}, {"2+365", "2365"},
        {"K2＋352.5", "2352.5"}, {"Ｋ2+380", "2380"}, {"ＺＫ２＋３４０．５", "2340.5"}, {"１２３４．５", "1234.5"},
        {"Ｋ2＋4100", "MetresTooLarge"}, {"XYZK1+1", "Unreadable"}, {"Z1+1", "Unreadable"}, {"ZK+1", "Unreadable"},
        {"+5", "Unreadable"}, {"Z K1+1", "Unreadable"}, {"K 1+1", "Unreadable"}, {"K1+ 1", "Unreadable"},
        {"Ｋ1-1", "Unreadable"}, {"K1\xEF\xBC+1", "Unreadable"}, {"K１。５", "Unreadable"},
        {"\xEF\xBC\x8B" "5", "Unreadable"}, {"K1+", "Unreadable"}, {".5", "Unreadable"}, {"1e3", "Unreadable"},
        {"K1", "Unreadable"}, {"K1a+2", "Unreadable"}, {"1 2", "Unreadable"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readingText(ReadStation(c.text)), c.read) << c.text;
    }
}

TEST(Station, SubtractsAddsAndWritesExactly)
{
    const struct { const char* upper; const char* lower; const char* length; } cases[] = {
        {"K1+220.1", "K1+234.5", "14.4"}, {"K2+100", "K2+090", "-10"},
        {"0", "K999999999+999.999999", "999999999999.999999"}, {"0.000001", "0", "-0.000001"},
    };
    for (const auto& c : cases) {
        const ExactMetres upper = std::get<ExactMetres>(ReadStation(c.upper));
        const ExactMetres lower = std::get<ExactMetres>(ReadStation(c.lower));
        EXPECT_EQ(DecimalText(Difference(upper, lower)), c.length) << c.upper;
    }
    constexpr long long kMax = std::numeric_limits<long long>::max();
    EXPECT_EQ(DecimalText({std::numeric_limits<long long>::min()}), "-9223372036854.775808");
    EXPECT_EQ(DecimalText(*Sum({kMax - 1}, {1})), "9223372036854.775807");
    EXPECT_FALSE(Sum({kMax}, {1}));
    EXPECT_FALSE(Sum({-kMax}, {-2}));
}

// A station text for about so many micrometres in one of the forms, with the value it shows, or
// nothing when leading zeros break a digit bound or trailing zeros the decimal bound.
std::pair<std::string, std::optional<Wide>> randomStation(std::mt19937& random, long long micrometres)
{
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int decimals = pick(0, 6);
    const long long units[] = {1'000'000, 100'000, 10'000, 1'000, 100, 10, 1};
    micrometres -= micrometres % units[decimals];  // the text shows only so many decimals
    const std::string zeros(std::size_t(pick(0, 9) == 0 ? pick(1, 12) : 0), '0');
    const std::string fraction = std::to_string(micrometres % 1'000'000 + 1'000'000).substr(1, std::size_t(decimals)) +
                                 std::string(std::size_t(pick(0, 19) == 0 ? pick(1, 3) : 0), '0');
    const std::string whole = zeros + std::to_string(micrometres / 1'000'000);
    const std::string km = zeros + std::to_string(micrometres / 1'000'000'000);
    const std::string metres = std::to_string(micrometres / 1'000'000 % 1000 + 1000).substr(1);
    const bool kForm = pick(0, 1);
    const std::string text = std::string(std::size_t(pick(0, 1)), ' ') + (kForm ? (pick(0, 1) ? "K" : "k") + km + "+" + metres : whole) +
                             (fraction.empty() ? "" : "." + fraction) + std::string(std::size_t(pick(0, 1)), '\t');
    const bool inBounds = fraction.size() <= 6 && (kForm ? km.size() <= 9 : whole.size() <= 12);
    return {text, inBounds ? std::optional<Wide>(micrometres) : std::nullopt};
}

// Random walls of stations in every form, some over the bounds, some unreadable, some out of order,
// half of them falling, with inputs that sometimes fault: the stations counted run the way most
// steps go, each station left out is out of order with its neighbours, and the totals are the exact
// sum of the pairs counted.
TEST(Takeoff, TotalLengthIsTheExactSumOfTheCountedPairs)
{
    std::mt19937 random(20240611);
    const auto pick = [&random](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    const char* unreadable[] = {"", "K+1", "1.", "K1+2+3", "abc", "1,5", "-3", "K99999999999999999999+x"};
    const char* inputs[] = {"1", "2.5", "0.125", "3", "1E300", "", "x"};  // 1E300 overflows some volumes
    for (int wall = 0; wall < 30; ++wall) {
        const Calculator& calculator = *kCalculators[std::size_t(wall) % kCalculators.size()];
        std::vector<TakeoffRow> rows;
        std::vector<std::optional<Wide>> values;  // nothing for a station that must not read
        long long walk = pick(0, 1000);
        for (int n = 0; n < 150; ++n) {
            TakeoffRow row;
            for (std::size_t c = 0; c < calculator.columns.size(); ++c) {
                row.inputs.push_back(inputs[pick(0, 48) / 7]);
            }
            const long long step = pick(0, 9);
            if (step == 0) {
                row.station = unreadable[pick(0, 7)];
                values.push_back(std::nullopt);
            } else {
                // Mostly a few metres on, now and then back, the same again, or far on towards the bounds.
                walk += step == 1 ? -pick(0, 50'000'000)
                        : step == 2 ? pick(0, 100'000'000'000'000'000)
                        : step == 3 ? 0
                                    : pick(1, 99'999'999);
                walk = walk < 0 || walk >= 1'000'000'000'000'000'000 ? pick(0, 1'000'000) : walk;
                std::optional<Wide> value;
                std::tie(row.station, value) = randomStation(random, walk);
                values.push_back(value);
            }
            rows.push_back(row);
        }
        if (wall % 2 == 1) {
            std::reverse(rows.begin(), rows.end());
            std::reverse(values.begin(), values.end());
        }
        const std::vector<RowProblem> problems = CheckStations(rows);
        int rises = 0;
        std::optional<Wide> previous;
        for (const std::optional<Wide>& value : values) {
            if (value && previous) {
                rises += *previous < *value ? 1 : *value < *previous ? -1 : 0;
            }
            previous = value ? value : previous;
        }
        const auto ordered = [falling = rises < 0](Wide before, Wide after) {
            return falling ? after < before : before < after;
        };
        std::optional<Wide> last;  // the last station counted
        std::vector<bool> counts;
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const StationReading reading = ReadStation(rows[n].station);
            ASSERT_EQ(std::holds_alternative<ExactMetres>(reading), values[n].has_value()) << rows[n].station;
            if (values[n]) {
                const std::string text = DecimalText(std::get<ExactMetres>(reading));
                EXPECT_EQ(text, referenceText(*values[n])) << rows[n].station;
                EXPECT_EQ(ReadStation(text), reading) << rows[n].station;
            }
            const bool inOrder = problems[n] == RowProblem::None;
            const bool outOfOrder = problems[n] == RowProblem::NotRising || problems[n] == RowProblem::NotFalling;
            EXPECT_EQ(inOrder || outOfOrder, values[n].has_value()) << rows[n].station;
            if (inOrder) {
                EXPECT_TRUE(!last || ordered(*last, *values[n])) << rows[n].station;
                last = values[n];
            } else if (values[n]) {
                // Left out for a reason: out of order with the last station counted or with the next one.
                std::size_t next = n + 1;
                while (next < rows.size() && !values[next]) {
                    ++next;
                }
                EXPECT_TRUE((last && !ordered(*last, *values[n])) ||
                            (next < rows.size() && ordered(*values[next], *values[n])))
                    << rows[n].station;
            }
            counts.push_back(inOrder);
        }
        const std::vector<PairResult> pairs = RunPairs(calculator, rows, problems);
        Wide length = 0;
        int counted = 0;
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            ASSERT_EQ(pairs[p].computed, counts[p] && counts[p + 1]);
            const Wide metres = pairs[p].computed ? *values[p + 1] - *values[p] : 0;
            if (pairs[p].computed) {
                EXPECT_EQ(pairs[p].length, referenceText(metres < 0 ? -metres : metres));
            }
            if (pairs[p].computed && !pairs[p].fault) {
                length += metres < 0 ? -metres : metres;
                ++counted;
            }
        }
        const TakeoffTotals totals = SumPairs(calculator, pairs);
        EXPECT_EQ(totals.counted, counted);
        EXPECT_EQ(totals.length, referenceText(length));
    }
}

// One station mistyped in an otherwise good take-off, rising and the same rows falling: that row
// alone is left out, and the rows after it are counted.
TEST(Takeoff, AMistypedStationMarksItsOwnRow)
{
    const std::vector<std::string> good{"K2+380", "K2+390", "K2+400", "K2+410", "K2+420", "K2+430"};
    const struct { std::size_t row; const char* typed; RowProblem problem; } cases[] = {
        {3, "K2+4100", RowProblem::MetresTooLarge}, {3, "K3+410", RowProblem::NotRising},
        {3, "K2+140", RowProblem::NotRising},       {0, "K3+380", RowProblem::NotRising},
        {1, "K2+930", RowProblem::NotRising},       {1, "K1+390", RowProblem::NotRising},
        {4, "K4+420", RowProblem::NotRising},       {4, "K2+240", RowProblem::NotRising},
        {5, "K2+043", RowProblem::NotRising},       {5, "K2+340", RowProblem::NotRising},
        {2, "K2+4OO", RowProblem::Unreadable},      {3, "K2+410.1234567", RowProblem::TooManyDecimals},
    };
    for (const auto& c : cases) {
        for (const bool falling : {false, true}) {
            std::vector<TakeoffRow> rows(good.size());
            std::transform(good.begin(), good.end(), rows.begin(), [](const auto& station) { return TakeoffRow{station, {}}; });
            rows[c.row].station = c.typed;
            std::vector<RowProblem> expected(rows.size(), RowProblem::None);
            expected[c.row] = falling && c.problem == RowProblem::NotRising ? RowProblem::NotFalling : c.problem;
            if (falling) {
                std::reverse(rows.begin(), rows.end());
                std::reverse(expected.begin(), expected.end());
            }
            EXPECT_EQ(CheckStations(rows), expected) << c.typed << (falling ? ", falling" : ", rising");
        }
    }
    // A station typed twice: the second is left out, whichever way the take-off runs.
    const std::vector<TakeoffRow> twice{{"K2+380", {}}, {"K2+390", {}}, {"K2+390", {}}, {"K2+400", {}}};
    using enum RowProblem;
    EXPECT_EQ(CheckStations(twice), (std::vector{None, None, NotRising, None}));
    EXPECT_EQ(CheckStations({twice.rbegin(), twice.rend()}), (std::vector{None, None, NotFalling, None}));
}

TEST(Takeoff, LengthsThatOverflowLeaveTheTotalLengthOutButStillCount)
{
    PairResult pair = RunPair(kTypeA, {"0", {}}, {"1", {}}, {std::numeric_limits<long long>::max() / 2 + 1});
    ASSERT_FALSE(pair.fault);
    EXPECT_EQ(pair.length, "4611686018427.387904");
    const TakeoffTotals totals = SumPairs(kTypeA, {pair, pair, pair});
    EXPECT_EQ(totals.counted, 3);
    EXPECT_FALSE(totals.length);
}

TEST(Takeoff, PairsAreTheCalculatorsPressesAndSumToTheTotals)
{
    // The worked examples of tests/data/copy-*.txt, the stations 10 m apart.
    const struct { const Calculator& calculator; TakeoffRow upper, lower; std::vector<std::string> volumes; } cases[] = {
        {kTypeA, {"K0+000", {"1", "2", "3", "0.5", "1.5", "2"}}, {"K0+010", {"1", "3", "2", "1", "1", "3"}},
         {"67.5", "25", "42.5"}},
        {kTypeB, {"0", {"0.5", "0.5", "2", "4", "0.25", "0.125", "5", "0.5", "2.125", "0.125", "0.5"}},
         {"10", {"0.5", "0.5", "3", "4", "0.25", "0.125", "6", "0.5", "2.125", "0.125", "0.5"}},
         {"17.5", "82.8125", "100.3125"}},
        {kFoundation, {"K0+000", {"3", "2", "", "", "1", "2", "1", "", "", ""}}, {"K0+010", {}}, {"22.5"}},
    };
    for (const auto& c : cases) {
        // A row out of order, left out with both its pairs; the random walls above try every other
        // kind of row left out.
        const std::vector<TakeoffRow> rows{c.upper, c.lower, {"5", {}}, {"K0+020", {}}};
        const std::vector<RowProblem> problems = CheckStations(rows);
        const std::vector<PairResult> pairs = RunPairs(c.calculator, rows, problems);
        ASSERT_EQ(pairs.size(), 3u);
        EXPECT_FALSE(pairs[1].computed);
        for (std::size_t v = 0; v < c.volumes.size(); ++v) {
            EXPECT_EQ(pairs[0].texts.at(std::string(c.calculator.volumes[v])), c.volumes[v]) << c.calculator.caption;
        }
        EXPECT_EQ(pairs[0].metres, ExactMetres{10'000'000});
        const TakeoffTotals totals = SumPairs(c.calculator, pairs);
        EXPECT_EQ(totals.counted, 1);
        EXPECT_EQ(totals.length, "10");
        EXPECT_EQ(*totals.volumes.back(), c.volumes.back());
    }
}

namespace {

// Each calculator's input headings in the files of these tests.
const struct {
    const Calculator& calculator;
    std::vector<std::string> names;
} kHeadings[] = {
    {kTypeA, {"A", "B", "H", "C", "D", "E"}},
    {kTypeB, {"b1", "b2", "b3", "b4", "b5", "b6", "b7", "b8", "b9", "b10", "b11"}},
    {kFoundation, {"f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10"}},
};

std::vector<std::string> headingsOf(const Calculator& calculator)
{
    const auto found = std::find_if(std::begin(kHeadings), std::end(kHeadings),
                                    [&calculator](const auto& headings) { return &headings.calculator == &calculator; });
    return found == std::end(kHeadings) ? std::vector<std::string>() : found->names;
}

std::variant<Takeoff, FileError> read(std::string_view bytes)
{
    return ReadTakeoff(bytes, headingsOf);
}

}  // namespace

TEST(TakeoffFile, RoundTripsAndReadsColumnsByTheirHeadings)
{
    const Takeoff takeoff{&kTypeB, {{"K0+000", {"a,b", "\"q\"", "", "1", "2", "3", "4", "5", "6", "7", "8"}}}};
    const auto back = std::get<Takeoff>(read(WriteTakeoff(takeoff, headingsOf(kTypeB))));
    EXPECT_EQ(back.calculator, &kTypeB);
    EXPECT_EQ(back.rows, takeoff.rows);
    const Takeoff reordered = std::get<Takeoff>(
        read("挡土墙A类,,\r\n E ,C,桩号,A,H,B,D,,\r\n6,4,K0+010,1,3,2,5\r\n\r\n16,14,\"K0+020\",11,13,12,15,,\r\n"));
    const std::vector<TakeoffRow> canonical{{"K0+010", {"1", "2", "3", "4", "5", "6"}},
                                            {"K0+020", {"11", "12", "13", "14", "15", "16"}}};
    EXPECT_EQ(reordered.rows, canonical);

    std::string many = "挡墙基础计算\n桩号,f1,f2,f3,f4,f5,f6,f7,f8,f9,f10\n";
    for (std::size_t n = 0; n < kMaxTakeoffRows; ++n) {
        many += "1,2,3,4,5,6,7,8,9,10,11\n";
    }
    EXPECT_EQ(std::get<Takeoff>(read(many)).rows.size(), kMaxTakeoffRows);
    many += "1,2,3,4,5,6,7,8,9,10,11\n";
    const FileError tooMany = std::get<FileError>(read(many));
    EXPECT_EQ(std::pair(tooMany.line, tooMany.column), std::pair(kMaxTakeoffRows + 3, std::size_t(0)));
}

TEST(TakeoffFile, NamesWhereAFileIsBroken)
{
    std::string longCell;
    for (std::size_t n = 0; n <= kMaxCellCharacters; ++n) {
        longCell += "中";
    }
    const std::string header = "挡土墙A类\n桩号,A,B,H,C,D,E\n";
    const struct { std::string bytes; std::size_t line, column; const char* what; } broken[] = {
        {"", 1, 0, "文件是空的"},
        // A first line that is no calculator's caption is answered with every caption the program has.
        {"挡土墙C类\n桩号\n", 1, 1, "第一行应是“挡土墙A类”“挡土墙B类”或“挡墙基础计算”，这不是逐桩计算文件。"},
        {"挡土墙A类\n", 2, 0, "缺少栏名行（桩号、A、B、H、C、D、E）"},
        {"挡土墙A类\nK0+000,1,2,3,4,5,6\n", 2, 0, "这一行是桩号，不是栏名：文件缺少栏名行（桩号、A、B、H、C、D、E）"},
        {"挡土墙A类\n桩号,A,X,H,C,D,E\n", 2, 3, "栏名“X”不是挡土墙A类的栏名。"},
        {"挡土墙A类\n桩号,A,B,A,C,D,E\n", 2, 4, "栏名“A”重复了，第 2 列已是这一栏。"},
        {"挡土墙A类\n桩号,A,,H,C,D,E\n", 2, 3, "没有栏名"},
        {"挡土墙A类\nA,B,C,D\n", 2, 5, "缺少栏名“桩号”“H”“E”。"},
        {header + "1,2\n", 3, 3, "这一行有 2 栏，应为 7 栏。"},
        {header + "1,\"2\n", 3, 2, "引号没有结束"},
        {header + "1,2\"\n", 3, 2, "格子中间有引号"},
        {header + "\"1\"2\n", 3, 1, "引号后面"},
        {header + "1,\xB5\xB2\n", 3, 3, "UTF-8"},
        {header + "1,2,3,4,5," + longCell + ",7\n", 3, 6, "这一格超过 10000 个字"},
    };
    for (const auto& b : broken) {
        const auto error = std::get<FileError>(read(b.bytes));
        EXPECT_EQ(std::pair(error.line, error.column), std::pair(b.line, b.column)) << b.bytes;
        EXPECT_NE(error.what.find(b.what), std::string::npos) << error.what;
    }
}
