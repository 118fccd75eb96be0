#pragma once
// Derivatives, antiderivative, evaluation and integral over the coefficient table Pnom.

#include "core/analysis_state.h"

namespace quadrova {

void Ableiten(AnalysisState& st);  // rows 1..5 of Pnom = derivatives of row 0
void Aufleiten(AnalysisState& st); // row 6 of Pnom = antiderivative F of f with F(0) = 0
double fn(const AnalysisState& st, int i, double x); // value of Pnom row i at x (Horner)
double Integral(const AnalysisState& st, double a, double b); // F(b) - F(a)
double Funktionswert(const IntVec& c, double x); // value of c at x, exactly 0 when below 0.0001

} // namespace quadrova
