#pragma once
// Exact test whether a whole number is a zero of a polynomial with whole coefficients.

#include "core/analysis_state.h"

#include <cstdint>

namespace quadrova {

// True when c(w) = 0 exactly. Never overflows, whatever the size of c and w.
bool IstExakteNullstelle(const IntVec& c, std::int64_t w);

} // namespace quadrova
