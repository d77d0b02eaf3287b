// The take-off being edited against a take-off made afresh: after every one of many random edits,
// the rows' problems, every pair and the totals are what checking, pressing and summing the same
// rows from nothing give, and whatever the update did not name as changed is as it was.
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace wallcalc;

namespace {

constexpr int kEdits = 20000;

void expectSamePair(const PairResult& got, const PairResult& fresh, const std::string& where)
{
    EXPECT_EQ(got.computed, fresh.computed) << where;
    EXPECT_EQ(got.length, fresh.length) << where;
    EXPECT_EQ(got.metres, fresh.metres) << where;
    EXPECT_EQ(got.texts, fresh.texts) << where;
    EXPECT_EQ(got.fault.has_value(), fresh.fault.has_value()) << where;
    if (got.fault && fresh.fault) {
        EXPECT_EQ(got.fault->field(), fresh.fault->field()) << where;
    }
}

// Texts as a person types them into a take-off: rising and falling stations, stations that do not
// read or hold too many digits, ordinary dimensions, empty cells and a number beyond a double.
class Typist {
public:
    explicit Typist(std::uint32_t seed) : random_(seed) {}

    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    std::string station()
    {
        static const char* const odd[] = {"", "K1+", "abc", "K0+010.1234567", "1234567890123", "K1+2+3", " k0+005 "};
        if (pick(5) == 0) {
            return odd[pick(std::size(odd))];
        }
        const std::size_t metres = pick(400);
        const std::string decimals = pick(2) ? "" : "." + std::to_string(pick(1000));
        return pick(2) ? "K0+" + std::to_string(1000 + metres).substr(1) + decimals : std::to_string(metres) + decimals;
    }

    std::string input()
    {
        static const char* const odd[] = {"", "1e308", "3.5m", "-2", "0"};
        if (pick(6) == 0) {
            return odd[pick(std::size(odd))];
        }
        return std::to_string(pick(50)) + "." + std::to_string(pick(1000));
    }

    std::string cell(std::size_t column) { return column == 0 ? station() : input(); }

private:
    std::mt19937 random_;
};

// Where a row before an edit is after it, for the edits that move rows.
struct Moves {
    std::size_t at = 0;
    std::size_t removed = 0;
    std::size_t inserted = 0;
    std::optional<std::size_t> after(std::size_t row) const
    {
        if (row < at) {
            return row;
        }
        if (row < at + removed) {
            return std::nullopt;
        }
        return row - removed + inserted;
    }
};

}  // namespace

TEST(TakeoffTable, EveryEditLeavesWhatAFreshTakeoffGives)
{
    for (std::size_t n = 0; n < kCalculators.size(); ++n) {
        const Calculator& calculator = *kCalculators[n];
        const std::size_t columns = calculator.columns.size() + 1;
        Typist typist(20261207u + std::uint32_t(n));
        TakeoffTable table(calculator);
        for (int edit = 0; edit < kEdits / int(kCalculators.size()); ++edit) {
            const std::vector<RowProblem> problemsBefore = table.problems();
            std::vector<std::vector<CheckFlag>> checksBefore;
            for (std::size_t row = 0; row < table.usedRows(); ++row) {
                const auto flags = table.checksOf(row);
                checksBefore.emplace_back(flags.begin(), flags.end());
            }
            const std::vector<PairResult> pairsBefore = table.pairs();
            const std::size_t rows = table.rows().size();
            Moves moves;
            const std::size_t kind = typist.pick(10);
            if (kind < 6 && rows > 0) {
                std::vector<TakeoffCell> cells;
                for (std::size_t n = typist.pick(3) + 1; n > 0; --n) {
                    const std::size_t row = typist.pick(rows);
                    const std::size_t column = typist.pick(columns);
                    cells.push_back({row, column, typist.cell(column)});
                }
                const std::vector<TakeoffCell> before = table.setCells(cells);
                ASSERT_EQ(before.size(), cells.size());
            } else if (kind < 8 || rows == 0) {
                std::vector<TakeoffRow> added;
                for (std::size_t n = typist.pick(3) + 1; n > 0; --n) {
                    TakeoffRow row{typist.station(), {}};
                    for (std::size_t c = 1; c < columns; ++c) {
                        row.inputs.push_back(typist.input());
                    }
                    added.push_back(row);
                }
                moves = {typist.pick(rows + 1), 0, added.size()};
                table.insertRows(moves.at, added);
            } else {
                const std::size_t first = typist.pick(rows);
                moves = {first, 0, 0};
                moves.removed = table.removeRows(first, typist.pick(3) + 1).size();
            }
            const TakeoffChange change = table.update();

            const std::string where = std::string(calculator.caption) + ", edit " + std::to_string(edit);
            const std::vector<TakeoffRow> used = table.used();
            const std::vector<RowProblem> problems = CheckStations(used);
            ASSERT_EQ(table.problems(), problems) << where;
            const std::vector<PairResult> pairs = RunPairs(calculator, used, problems);
            ASSERT_EQ(table.pairs().size(), pairs.size()) << where;
            for (std::size_t p = 0; p < pairs.size(); ++p) {
                expectSamePair(table.pairs()[p], pairs[p], where + ", pair " + std::to_string(p));
            }
            const TakeoffTotals totals = SumPairs(calculator, pairs);
            EXPECT_EQ(table.totals().counted, totals.counted) << where;
            EXPECT_EQ(table.totals().length, totals.length) << where;
            EXPECT_EQ(table.totals().volumes, totals.volumes) << where;
            ASSERT_EQ(table.checks(), CheckTakeoff(calculator, used, pairs)) << where;

            // What the update did not name is what stood at that place (moved, for moved rows) before.
            for (std::size_t before = 0; before + 1 < problemsBefore.size(); ++before) {
                const auto upper = moves.after(before);
                const auto lower = moves.after(before + 1);
                if (!upper || !lower || *lower != *upper + 1 || *upper >= pairs.size()) {
                    continue;
                }
                const bool named = change.firstPair <= *upper && *upper <= change.lastPair;
                if (!named) {
                    expectSamePair(table.pairs()[*upper], pairsBefore[before], where + ", unnamed pair");
                }
            }
            for (std::size_t before = 0; before < problemsBefore.size(); ++before) {
                const auto now = moves.after(before);
                if (now && *now < problems.size() && !(change.firstRow <= *now && *now <= change.lastRow)) {
                    EXPECT_EQ(problems[*now], problemsBefore[before]) << where << ", unnamed row";
                }
            }
            // Where no row moved, a row not named keeps its checks.
            for (std::size_t row = 0; moves.removed + moves.inserted == 0 && row < checksBefore.size(); ++row) {
                const auto flags = table.checksOf(row);
                if (row < table.usedRows() && !(change.firstRow <= row && row <= change.lastRow)) {
                    EXPECT_TRUE(std::equal(flags.begin(), flags.end(), checksBefore[row].begin(), checksBefore[row].end()))
                        << where << ", unnamed checks of row " << row;
                }
            }
            if (testing::Test::HasFailure()) {
                return;
            }
            if (table.rows().size() > 14) {
                table.removeRows(0, 6);
                table.update();
            }
        }
    }
}

// The edits give back what they took, so an undo can put it back.
TEST(TakeoffTable, EditsReturnWhatTheyReplaced)
{
    TakeoffTable table(kTypeA, {{"K0+000", {"1", "2", "3", "0.5", "1.5", "2"}}, {"K0+010", {"1", "3", "2", "1", "1", "3"}}});
    const std::vector<TakeoffCell> before = table.setCells({{1, 0, "K0+020"}, {0, 2, "9"}});
    EXPECT_EQ(before[0].text, "K0+010");
    EXPECT_EQ(before[1].text, "2");
    table.update();
    EXPECT_EQ(table.pairs()[0].length, "20");
    table.setCells(before);
    table.update();
    EXPECT_EQ(table.pairs()[0].texts.at("Text8"), "67.5");
    const std::vector<TakeoffRow> removed = table.removeRows(0, 1);
    table.update();
    EXPECT_EQ(removed[0].station, "K0+000");
    EXPECT_TRUE(table.pairs().empty());
    table.insertRows(0, removed);
    table.update();
    EXPECT_EQ(table.pairs()[0].texts.at("Text8"), "67.5");
    EXPECT_EQ(table.totals().length, std::optional<std::string>("10"));
}
