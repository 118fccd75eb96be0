#pragma once
// The verbal description of the graph from point to point.

#include "core/analysis_state.h"

#include <string>

namespace quadrova {

std::string Beschreibung(AnalysisState& st);

// SPunkt = xlinks, the critical points, xrechts; SPunktTyp = classification code of each inner point.
void SPunkteKlassifizieren(AnalysisState& st);

// Transition code of f^(i) at the inner point SPunkt(t), where f^(i) is zero ("np", "sf", ...).
std::string KennzeichenN(const AnalysisState& st, int i, int t);

// State code of f^(i) at SPunkt(t), where f^(i) is not zero ("*p*", "*f*", ...).
std::string KennzeichenA(const AnalysisState& st, int i, int t);

// "steigt rechtsdrehend zum Wendepunkt " and the like: the stretch that ends at SPunkt(t).
std::string Worthuelse(const AnalysisState& st, int t);

std::string RandLinks(const AnalysisState& st);  // clause of the start point A
std::string RandRechts(const AnalysisState& st); // clause of the end point

} // namespace quadrova
