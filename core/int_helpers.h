#pragma once
// Integer, array and sign helpers shared by the solver, the report and the interpolation.

#include "core/analysis_state.h"
#include "core/surface.h"

#include <cstdint>
#include <span>
#include <string>

namespace quadrova {

std::int64_t ggt(std::int64_t a, std::int64_t b); // gcd of |a| and |b|; ggt(0, 0) = 0
std::int64_t FeldGgT(const IntVec& v);

// Sammelfeld = counted array of the positive divisors of n, ascending (empty for n <= 0).
// Returns false (and leaves an empty list) when n has more divisors than Sammelfeld can hold.
bool TeilerBestimmung(AnalysisState& st, std::int64_t n);
// The same for the positive divisors of |a| (also for the most negative int64); empty for a = 0.
bool TeilerDesBetrags(AnalysisState& st, std::int64_t a);

// Counted arrays (element 0 = count): sort ascending and drop near-equal members.
void FeldOrdnen(std::span<double> a);
void KillDoppel(std::span<double> a);

int signum(double x);
bool IstNull(double x);    // |x| < 0.0001
int Grad(const IntVec& v); // -1 for the zero vector

// Shows "Schwerer Fehler in der Prozedur " + s; the run goes on.
void Fehler(Surface& ui, const std::string& s);

} // namespace quadrova
