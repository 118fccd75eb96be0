#pragma once
// Sets and table cells of the report.

#include "core/analysis_state.h"

#include <cstdint>
#include <span>
#include <string>

namespace quadrova {

double Runden(double x); // five decimals; magnitudes below 0.001 become 0
std::string Feld2Menge(std::span<const double> a); // "{-2, 1, 3}" or "ganz R"
std::string Teilermenge(AnalysisState& st, std::int64_t a); // divisors of |a| as a set, "ganz Z" for 0
void Lsg2Nullst(AnalysisState& st, int i, const SolArray& a); // row i of Nullstellen = a
std::string Norm(double x, int w); // table cell: "_" + w characters + "| "

} // namespace quadrova
