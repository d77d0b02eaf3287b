// Quantities as a bill measures them: m³, m² and m to two decimals, the third rounded half away
// from zero, on the exact decimal a box shows and never through a double; and exact sums of them.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace wallcalc {

// A bill quantity held exactly in hundredths of its unit.
struct BillQuantity {
    long long hundredths = 0;
    auto operator<=>(const BillQuantity&) const = default;
};

// The decimal a box shows (「2.675」, 「-1.5E-05」, 「1E+15」, 「14.4」) rounded to hundredths: the
// third decimal 5 or more rounds away from zero, so 「2.665」 is 2.67 and 「-2.675」 is -2.68.
// Nothing for a text that is no such decimal (「」, 「abc」, 「1,5」) or whose size reaches 10^16.
std::optional<BillQuantity> BillQuantityOf(std::string_view shownText);

// Always two decimals, 「2.60」, 「0.00」, 「-2.68」: a bill's column of figures lines up on the
// point, and 「2.60」 says the figure was measured to the hundredth. Zero has no sign.
std::string BillText(BillQuantity quantity);

// BillText of BillQuantityOf: the figure a bill prints for a shown text; nothing for no number.
std::optional<std::string> RoundedForBill(std::string_view shownText);

// a + b exactly; nothing when the sum does not fit.
std::optional<BillQuantity> BillSum(BillQuantity a, BillQuantity b);

}  // namespace wallcalc
