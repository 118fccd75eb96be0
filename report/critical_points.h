#pragma once
// Critical points, the interval of investigation, the signs at its left end and the sketch ranges.

#include "core/analysis_state.h"

namespace quadrova {

void KritischeStellenBestimmen(AnalysisState& st); // Kritisch, xlinks, xrechts, xmin, xmax, type marks
void KStellenMarkieren(AnalysisState& st);          // type marks KTyp of the critical points (rows 0..2)
void Vorzeichen(AnalysisState& st);                 // VorzInt
void MaxMinBerechnen(AnalysisState& st);            // maxf, minf, erwminf, erwmaxf

} // namespace quadrova
