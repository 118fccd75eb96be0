#pragma once
// School-style printing of coefficient vectors: " 3x^4 - 36x^3 + 138x^2 - 180x".

#include "core/analysis_state.h"

#include <cstdint>
#include <string>

namespace quadrova {

std::string Koeff2Term(const IntVec& v);
std::string Koeff2Gl(const IntVec& v); // the term followed by " = 0"
std::string Mabs(std::int64_t n);      // |n| in decimal, empty when |n| = 1

} // namespace quadrova
