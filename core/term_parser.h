#pragma once
// The term parser: the typed term becomes the integer coefficient vector Poly of f.

#include "core/analysis_state.h"
#include "core/surface.h"

#include <string>
#include <string_view>

namespace quadrova {

// Reads EingabeF, parses it, fills Pnom row 0 and checks that the degree lies between 3 and 5.
void Einlesen(AnalysisState& st, Surface& ui, bool& ok);

// The parser proper. On success writes Poly, PGrad and the canonical term into EingabeF.
void String2Poly(AnalysisState& st, Surface& ui, const std::string& eingabe, bool& ok);

// s without every character outside "0123456789+-x*^".
std::string FehlzeichenKillen(std::string_view s);

// While a occurs in s, replaces its leftmost occurrence by b (occurrences created by a replacement
// are replaced too).
std::string ZeichenReduzieren(std::string_view s, std::string_view a, std::string_view b);

// Loop guard shared by the whole parse: more than 500 guarded iterations make ok false.
void Whilekontrolle(AnalysisState& st, bool& ok);

} // namespace quadrova
