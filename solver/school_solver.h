#pragma once
// The school equation solver: one equation of degree 0 to 5 with integer coefficients, solved
// "mit schulüblichen Mitteln", with the reasoning appended to the report text.

#include "core/analysis_state.h"
#include "core/surface.h"

#include <string>

namespace quadrova {

// Entry point: clears lsg, dispatches on the degree of a, sorts the solutions and appends the
// summary sentence. Sets st.lkomplett for this equation and st.schulfern when it stays open.
// a may be changed (the methods shift it when they factor out x).
void Loesung012345(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);

} // namespace quadrova
