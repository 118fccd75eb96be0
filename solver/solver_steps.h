#pragma once
// The methods behind Loesung012345, one per degree and special kind, and the integer tools with
// which the methods of degree 3 to 5 lower the degree. Every method appends its sentences to text
// and stores its solutions in lsg (element 0 = count); the coefficient row may be shifted in place.

#include "core/analysis_state.h"
#include "core/surface.h"

#include <cstdint>
#include <string>

namespace quadrova {

// One solver method: the shared argument list of every Loesung….
using Loeser = void (*)(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);

// The method for an equation of degree d: Loesung1 … Loesung5, Loesung0 for every other d.
Loeser LoeserFuerGrad(int d);

void Loesung0(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung1(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung2(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung3(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung4(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung42(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung43(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung5(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);
void Loesung51(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text);

// Classification codes: Typ3 0 / 5 pure / 6 general; Typ4 0 / 1 same signs / 2 opposite signs /
// 3 biquadratic / 4 general; Typ5 1 pure / 2 general. Codes 0 show the internal-error message.
int Typ3(Surface& ui, const IntVec& a);
int Typ4(Surface& ui, const IntVec& a);
int Typ5(const IntVec& a);

// Exact test whether the whole number x is a zero of the polynomial a(0..6).
bool IstNullstelle(const IntVec& a, std::int64_t x);

// The integer zero of smallest magnitude (the positive one of a pair), searched among the divisors
// of the absolute term. False when there is none, when a(0) = 0, or when the divisors cannot be
// listed (absolute term beyond kTeilerGrenze after dividing out the common factor).
bool FindeGanzzNullstelle(AnalysisState& st, const IntVec& a, std::int64_t& r);

// quotient(0..4) = a / (x - r) by synthetic division; elements 5 and 6 stay untouched. False when a
// coefficient of the quotient would leave 64 bits (never for a zero r of a row in the school range).
bool PolyDiv(const IntVec& a, std::int64_t r, IntVec& quotient);

// Largest coefficient magnitude the divisor step accepts: with every |a(k)| at most 2^59 each
// quotient by an integer zero stays within 64 bits (its coefficients are bounded by sums of at most
// five of them).
inline constexpr std::int64_t kSchulGrenze = std::int64_t{1} << 59;
// Largest absolute term whose divisors the divisor step lists: the derivatives of every accepted f
// stay below it, its divisors fit into Sammelfeld, and trial division up to its root stays quick.
inline constexpr std::int64_t kTeilerGrenze = std::int64_t{1} << 37;

bool ImSchulbereich(const IntVec& a); // every |a(k)| <= kSchulGrenze

// Stores v as the next solution (count in element 0); a full array takes nothing more.
void Speichern(SolArray& lsg, double v);

// The solution value v of the equation a, replaced by the nearest whole number w when v lies within
// 1e-9 * max(1, |v|) of w and w is an exact zero of a: whole solutions stay whole despite rounding.
double Einrasten(const IntVec& a, double v);

// The two reduction procedures of degree d = 3, 4, 5 (a(d) != 0): factor out x when a(0) = 0, or
// find an integer zero among the divisors of a(0), divide it off and hand the rest on.
void Nullfaktorschritt(AnalysisState& st, Surface& ui, int d, IntVec& a, SolArray& lsg, std::string& text);
void Teilerschritt(AnalysisState& st, Surface& ui, int d, IntVec& a, SolArray& lsg, std::string& text);

} // namespace quadrova
