#pragma once
// One curve analysis from the typed term to the finished report in the output area.

#include "core/analysis_state.h"
#include "core/surface.h"

namespace quadrova {

// Runs the analysis of the term in the input field (the start button, Return, the examples and the
// interpolation export all end here).
void Start(AnalysisState& st, Surface& ui);

} // namespace quadrova
