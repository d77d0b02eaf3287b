// A take-off of 1,000 (or any number of) Type B stations 10 m apart, each a little different, for
// the benchmarks.
#pragma once

#include "wallcalc/calculators.h"
#include "wallcalc/takeoff_csv.h"

#include <string>

inline wallcalc::Takeoff thousandStations(int stations = 1000)
{
    wallcalc::Takeoff takeoff{&wallcalc::kTypeB, {}};
    for (int n = 0; n < stations; ++n) {
        const std::string wiggle = "." + std::to_string(1000 + n % 997).substr(1);
        takeoff.rows.push_back({"K" + std::to_string(n / 100) + "+" + std::to_string(1000 + n % 100 * 10).substr(1) +
                                    wiggle,
                                {"0.5" + wiggle.substr(1), "0.5", "2" + wiggle, "4", "0.25", "0.125", "5" + wiggle,
                                 "0.5", "2.125", "0.125", "0.5"}});
    }
    return takeoff;
}
