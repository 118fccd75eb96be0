// Quintic equations: the pure quintic by its real fifth root, every other one through the
// zero-factor step or the divisor step down to a quartic.

#include "core/int_helpers.h"
#include "core/number_text.h"
#include "core/term_printing.h"
#include "solver/solver_steps.h"

#include <cmath>

namespace quadrova {

int Typ5(const IntVec& a) {
    return a[1] == 0 && a[2] == 0 && a[3] == 0 && a[4] == 0 ? 1 : 2;
}

void Loesung5(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text) {
    if (a[0] == 0) return Nullfaktorschritt(st, ui, 5, a, lsg, text);
    if (Typ5(a) == 1) return Loesung51(st, ui, a, lsg, text);
    Teilerschritt(st, ui, 5, a, lsg, text);
}

// a5 x^5 + a0 = 0: x^5 = -q with q = a0 / a5, and an odd root keeps the sign.
void Loesung51(AnalysisState& st, Surface& /*ui*/, IntVec& a, SolArray& lsg, std::string& text) {
    const double q = static_cast<double>(a[0]) / static_cast<double>(a[5]);
    double x = 0;
    if (q != 0) x = -signum(q) * std::exp(std::log(std::fabs(q)) / 5);
    x = Einrasten(a, x);
    text += st.leer[1] + "Die Gleichung " + Koeff2Gl(a) + "  hat " + Str(x) + " als einzige Lösung.";
    Speichern(lsg, x);
}

} // namespace quadrova
