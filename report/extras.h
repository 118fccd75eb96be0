#pragma once
// Tangent equations and areas between graph and x-axis, appended when the extras are switched on.

#include "core/analysis_state.h"

#include <string>

namespace quadrova {

// The three sections below in order; the second only for a cubic.
void Extras(AnalysisState& st, std::string& text);

// The tangent at every critical point, labelled B, C, ... as in the curve description.
void Tangentengleichungen(const AnalysisState& st, std::string& text);

// Where the tangent of a cubic at (z, f(z)) meets the graph again: x = -2z - a2/a3.
void Tangentenschnitt(const AnalysisState& st, std::string& text);

// The areas between the graph and the x-axis from the first to the last zero of f.
void Flaechenberechnungen(AnalysisState& st, std::string& text);

} // namespace quadrova
