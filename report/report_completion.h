#pragma once
// The two ways a run ends after the zero-set summary: the finished school report, or the question
// whether approximation methods shall take over.

#include "core/analysis_state.h"
#include "core/surface.h"

#include <string>

namespace quadrova {

// School road: critical points, interval, tables, description and extras are appended to text;
// the report goes to the output area and the sketch is unlocked.
void SchulwegAbschliessen(AnalysisState& st, Surface& ui, std::string& text);

// Incomplete road: asks the modal question; on yes lists the critical points found so far, closes the
// school part of st.Gelaber and hands over to the approximation path.
void NaeherungAnbieten(AnalysisState& st, Surface& ui);

} // namespace quadrova
