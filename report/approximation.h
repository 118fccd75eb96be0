#pragma once
// The approximation path: every zero found again by bisection, then the same sections as the
// school road under a second heading.

#include "core/analysis_state.h"
#include "core/surface.h"

namespace quadrova {

// Continues the report from st.Gelaber, writes the output area and unlocks the sketch.
void Start2(AnalysisState& st, Surface& ui);

// Empties the critical points and the zero table before the numeric search.
void Init2(AnalysisState& st);

// Fills rows 0..d-1 of Nullstellen (d = degree of f) from the highest derivative downwards: the
// zeros of f^(k) split the axis into stretches on which f^(k-1) is monotone.
void ErrechneNullstellen(AnalysisState& st);

// A zero of f^(a) between left and right by bisection (f^(a) changes its sign there).
double FindeNullstelle(const AnalysisState& st, int a, double left, double right);

// Critical points, their type marks and the interval of investigation on the approximation path.
void KritischeStellenBestimmen2(AnalysisState& st);

} // namespace quadrova
