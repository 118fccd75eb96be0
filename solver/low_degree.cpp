// Degrees 0 to 2: the constant equation, the linear equation and the p-q formula.

#include "core/number_text.h"
#include "core/term_printing.h"
#include "solver/solver_steps.h"

#include <cmath>

namespace quadrova {

void Loesung0(AnalysisState& st, Surface& /*ui*/, IntVec& a, SolArray& lsg, std::string& text) {
    if (a[0] != 0) {
        text += st.leer[1] + "Die Gleichung " + Str(a[0]) + " = 0  ist unerfüllbar.";
        return;
    }
    text += st.leer[1] + "Die Gleichung " + Str(a[0]) + " = 0  ist eine Identität, also stets erfuellt.";
    lsg[0] = -1;
    st.lkomplett = false;
}

void Loesung1(AnalysisState& st, Surface& /*ui*/, IntVec& a, SolArray& lsg, std::string& text) {
    // -a0 taken in double: the same value as the integer negation, which would overflow for the
    // smallest 64-bit number; a zero stays +0.
    const double minusA0 = a[0] == 0 ? 0.0 : -static_cast<double>(a[0]);
    const double x = Einrasten(a, minusA0 / static_cast<double>(a[1]));
    Speichern(lsg, x);
    text += st.leer[1] + "Die Gleichung " + Koeff2Gl(a) + " hat die Lösung " + Str(x) + " .";
}

void Loesung2(AnalysisState& st, Surface& /*ui*/, IntVec& a, SolArray& lsg, std::string& text) {
    const double p = static_cast<double>(a[1]) / static_cast<double>(a[2]);
    const double q = static_cast<double>(a[0]) / static_cast<double>(a[2]);
    const double d = (p * p) / 4 - q;
    text += st.leer[1] + "Die quadratische Gleichung " + Koeff2Gl(a) + " hat ";
    if (d < 0) {
        text += "keine Lösungen";
    } else if (d == 0) {
        const double x0 = Einrasten(a, -p / 2);
        Speichern(lsg, x0);
        text += "die Lösung " + Str(x0);
    } else {
        const double x1 = Einrasten(a, -p / 2 - std::sqrt(d));
        const double x2 = Einrasten(a, -p / 2 + std::sqrt(d));
        Speichern(lsg, x1);
        Speichern(lsg, x2);
        text += "die Lösungen " + Str(x1) + " und " + Str(x2);
    }
    text += " .";
}

} // namespace quadrova
