#pragma once
// The sign table of f, f', f'' over the interval of investigation.

#include "core/analysis_state.h"

#include <string>

namespace quadrova {

std::string Vorzeichentabelle(const AnalysisState& st);

} // namespace quadrova
