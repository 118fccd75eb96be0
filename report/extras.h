#pragma once
// Tangent equations and areas between graph and x-axis, appended when the extras are switched on.

#include "core/analysis_state.h"

#include <string>

namespace quadrova {

void Extras(AnalysisState& st, std::string& text);

} // namespace quadrova
