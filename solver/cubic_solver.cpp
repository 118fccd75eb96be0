// Cubic equations, and the two reduction procedures that the cubic, quartic and quintic solvers
// share: the zero-factor step (factor out x) and the divisor step (divide off an integer zero).
// Their variants differ only in texts, a shift bound and the next solver, so one table drives them.

#include "core/int_helpers.h"
#include "core/number_text.h"
#include "core/set_format.h"
#include "core/term_printing.h"
#include "solver/solver_steps.h"

#include <array>
#include <cmath>

namespace quadrova {

namespace {

struct Variante {
    int schiebegrenze; // the zero-factor step shifts a(0..schiebegrenze) down by one place
    const char* divisionssatz;
    const char* fehlersatz;
};

constexpr const char* kDivisionKurz = "Polynomdivision reduziert auf die Gleichung: ";
constexpr const char* kDivisionLang = "Polynomdivision reduziert  auf die Gleichung: ";
constexpr const char* kFehlerDie =
    "Die letzte Gleichung hat keine ganzzahlige Lösung und ist mit den schulisch "
    "üblichen Mitteln nicht zu lösen.";
constexpr const char* kFehlerDiese = "Diese letzte Gleichung hat keine ganzzahlige Lösung und ist mit den "
                                     "schulisch üblichen Mitteln nicht zu lösen.";

// Indexed by the degree 3, 4, 5.
constexpr std::array<Variante, 6> kVarianten = {{
    {},
    {},
    {},
    {3, kDivisionKurz, kFehlerDie},
    {3, kDivisionLang, kFehlerDiese},
    {4, kDivisionLang, kFehlerDiese},
}};

// The divisor step gives up without a search when the integers would outgrow what it can list.
void ZuGross(AnalysisState& st, const IntVec& a, std::string& text) {
    text += st.leer[1] + "Die Gleichung " + Koeff2Gl(a) +
            " hat zu große Koeffizienten für eine Suche nach ganzzahligen Lösungen mit schulischen Mitteln.";
    st.lkomplett = false;
}

// a3 x^3 + a0 = 0 has the single real solution x = -cbrt(a0 / a3).
void ReineKubische(AnalysisState& st, IntVec& a, SolArray& lsg, std::string& text) {
    const double q = static_cast<double>(a[0]) / static_cast<double>(a[3]);
    double r = std::exp(std::log(std::fabs(q)) / 3);
    if (q > 0) r = -r;
    r = Einrasten(a, r);
    text += st.leer[1] + "Die Gleichung " + Koeff2Gl(a) + "  hat " + Str(r) + " als einzige Lösung.";
    Speichern(lsg, r);
}

} // namespace

void Nullfaktorschritt(AnalysisState& st, Surface& ui, int d, IntVec& a, SolArray& lsg, std::string& text) {
    const Variante& v = kVarianten[static_cast<std::size_t>(d)];
    text += st.leer[1] + "Die Gleichung " + Koeff2Gl(a) +
            " hat erkennbar 0 als Lösung und ist durch (ggf. mehrfaches) Ausklammern von x zu vereinfachen.";
    Speichern(lsg, 0);
    // Stage s divides by x once more, clears a(d - s + 1) and leaves an equation of degree d - s.
    for (int stufe = 1; stufe <= d - 1; ++stufe) {
        for (int i = 0; i <= v.schiebegrenze; ++i)
            a[static_cast<std::size_t>(i)] = a[static_cast<std::size_t>(i) + 1];
        a[static_cast<std::size_t>(d - stufe) + 1] = 0;
        if (a[0] != 0 || stufe == d - 1) {
            LoeserFuerGrad(d - stufe)(st, ui, a, lsg, text);
            return;
        }
    }
}

void Teilerschritt(AnalysisState& st, Surface& ui, int d, IntVec& a, SolArray& lsg, std::string& text) {
    const Variante& v = kVarianten[static_cast<std::size_t>(d)];
    if (!ImSchulbereich(a)) return ZuGross(st, a, text);
    // The integer zeros of a are those of a / g, so the divisors of the reduced absolute term are shown.
    const std::int64_t g = FeldGgT(a);
    std::string einschub;
    std::int64_t a0 = a[0];
    if (g > 1) {
        einschub = " nach Ausklammern von " + Str(g);
        a0 = a[0] / g;
    }
    if (a0 > kTeilerGrenze || a0 < -kTeilerGrenze) return ZuGross(st, a, text);

    std::int64_t r = 0;
    const bool gefunden = FindeGanzzNullstelle(st, a, r);
    IntVec quotient{};
    if (gefunden && !PolyDiv(a, r, quotient)) return ZuGross(st, a, text);

    text += st.leer[1] + "In der Gleichung " + Koeff2Gl(a) + " hat das absolute Glied" + einschub +
            " die Teilermenge " + Teilermenge(st, a0) + "." + st.leer[1];
    if (!gefunden) {
        text += v.fehlersatz;
        st.lkomplett = false;
        return;
    }
    Speichern(lsg, static_cast<double>(r));
    const std::string faktor = r < 1 ? "(x + " + Str(-r) + ")" : "(x - " + Str(r) + ")";
    text += "Mit x = " + Str(r) + " findet man eine ganzzahlige Nullstelle, man kann also " + faktor +
            " ausklammern." + st.leer[1];
    text += v.divisionssatz + Koeff2Gl(quotient) + " .";
    LoeserFuerGrad(d - 1)(st, ui, quotient, lsg, text);
}

int Typ3(Surface& ui, const IntVec& a) {
    if (a[3] == 0) {
        Fehler(ui, "Typ3");
        return 0;
    }
    return a[1] == 0 && a[2] == 0 ? 5 : 6;
}

void Loesung3(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text) {
    if (a[0] == 0) return Nullfaktorschritt(st, ui, 3, a, lsg, text);
    switch (Typ3(ui, a)) {
    case 5:
        ReineKubische(st, a, lsg, text);
        break;
    case 6:
        Teilerschritt(st, ui, 3, a, lsg, text);
        break;
    default:
        break;
    }
}

} // namespace quadrova
