#pragma once
// The sign table of f, f', f'' over the interval of investigation.

#include "core/analysis_state.h"

#include <string>

namespace quadrova {

std::string Vorzeichentabelle(const AnalysisState& st);

// The sign cell of a value: plus, minus, or the zero cell for a value of exactly 0.
std::string Vorzkette(double x);

} // namespace quadrova
