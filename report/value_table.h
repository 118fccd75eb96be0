#pragma once
// The value table of f and f' at the interval ends and the critical points.

#include "core/analysis_state.h"

#include <string>

namespace quadrova {

std::string Wertetabelle(const AnalysisState& st);

} // namespace quadrova
