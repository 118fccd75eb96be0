#pragma once
// The verbal description of the graph from point to point.

#include "core/analysis_state.h"

#include <string>

namespace quadrova {

std::string Beschreibung(AnalysisState& st);

} // namespace quadrova
