#pragma once
// The approximation path: every zero found again by bisection, then the same sections as the
// school road under a second heading.

#include "core/analysis_state.h"
#include "core/surface.h"

namespace quadrova {

// Continues the report from st.Gelaber, writes the output area and unlocks the sketch.
void Start2(AnalysisState& st, Surface& ui);

} // namespace quadrova
