// Why a check flags a cell, a box or a section, worded once for the take-off and the calculators.
#pragma once

#include <QString>

namespace wallcalc {
struct CheckFlag;
}

namespace ui {

// typed: the flagged cell or box's text as typed (nothing for a section's flag); area: the name of
// the flagged section part's area, as 「s1面积 第一断面墙身面积」.
QString checkWords(const wallcalc::CheckFlag& flag, const QString& typed, const QString& area);

}  // namespace ui
