#pragma once
// Critical points, the interval of investigation, the signs at its left end and the sketch ranges.

#include "core/analysis_state.h"

namespace quadrova {

void KritischeStellenBestimmen(AnalysisState& st); // Kritisch, xlinks, xrechts, xmin, xmax, type marks
// xmin, xmax, xlinks, xrechts from the critical points; where the ends are widened to whole
// numbers, rand is the margin on the non-negative side and at the right end (1 on the school
// road, 1.1 on the approximation path).
void IntervallBestimmen(AnalysisState& st, double rand);
void KStellenMarkieren(AnalysisState& st); // type marks KTyp of the critical points (rows 0..2)
void Vorzeichen(AnalysisState& st);        // VorzInt
void MaxMinBerechnen(AnalysisState& st);   // maxf, minf, erwminf, erwmaxf

// Number of critical points as the report sections read it: the count in Kritisch(0), kept within
// the room that Kritisch and SPunkt (two more points) offer.
int KritischAnzahl(const AnalysisState& st);

// True when the type mark of critical point k says that f^(i) is zero there.
bool IstMarkiert(const AnalysisState& st, int k, int i);

} // namespace quadrova
