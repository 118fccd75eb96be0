// Quartic equations: the pure quartic with equal or opposite signs, the biquadratic equation, and
// the general quartic through the divisor step.

#include "core/int_helpers.h"
#include "core/number_text.h"
#include "core/term_printing.h"
#include "solver/solver_steps.h"

#include <cmath>

namespace quadrova {

namespace {

int vorzeichen(std::int64_t n) {
    return (n > 0) - (n < 0);
}

std::uint64_t betrag(std::int64_t n) {
    return n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
}

// The whole square root of n when n is a perfect square, otherwise -1.
std::int64_t ganzeWurzel(std::uint64_t n) {
    auto k = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    // The double root may be off by one either way for n beyond 2^52; comparing k with n / k
    // instead of k * k with n keeps every step inside 64 bits.
    while (k > 0 && k > n / k) --k;
    while (k + 1 <= n / (k + 1)) ++k;
    return k * k == n ? static_cast<std::int64_t>(k) : -1;
}

} // namespace

int Typ4(Surface& ui, const IntVec& a) {
    if (a[4] == 0) {
        Fehler(ui, "Typ4");
        return 0;
    }
    if (a[1] == 0 && a[2] == 0 && a[3] == 0) {
        // Only the sign of a(0) * a(4) matters, so the signs are compared instead of multiplied.
        return vorzeichen(a[0]) * vorzeichen(a[4]) > 0 ? 1 : 2;
    }
    if (a[1] == 0 && a[3] == 0) return 3;
    return 4;
}

void Loesung4(AnalysisState& st, Surface& ui, IntVec& a, SolArray& lsg, std::string& text) {
    if (a[0] == 0) return Nullfaktorschritt(st, ui, 4, a, lsg, text);
    switch (Typ4(ui, a)) {
    case 1:
        text += st.leer[1] + "Die Gleichung " + Koeff2Gl(a) +
                "  kann keine Lösung haben, da der Ausdruck links vom Gleichheitszeichen stets positiv ist.";
        break;
    case 2:
        Loesung42(st, ui, a, lsg, text);
        break;
    case 3:
        Loesung43(st, ui, a, lsg, text);
        break;
    case 4:
        Teilerschritt(st, ui, 4, a, lsg, text);
        break;
    default:
        break;
    }
}

// a4 x^4 + a0 with opposite signs is (s4 x^2 + s0)(s4 x^2 - s0), s4 = sqrt|a4|, s0 = sqrt|a0|; only
// the second factor has zeros, x = +-sqrt(s0 / s4).
void Loesung42(AnalysisState& st, Surface& /*ui*/, IntVec& a, SolArray& lsg, std::string& text) {
    const double s4 = std::sqrt(std::fabs(static_cast<double>(a[4])));
    const double s0 = std::sqrt(std::fabs(static_cast<double>(a[0])));
    const double r = Einrasten(a, std::sqrt(s0 / s4));
    const double minusR = Einrasten(a, -r);
    text += st.leer[1] + "Faktorzerlegung der linken Seite von " + Koeff2Gl(a) +
            " nach der 3. binomischen Formel führt zu" + st.leer[1];
    // A whole root prints as an integer (none for 1); otherwise the factor shows the root itself.
    const std::int64_t w4 = ganzeWurzel(betrag(a[4]));
    const std::string m = w4 >= 0 ? Mabs(w4) : Str(s4);
    text += "(" + m + "x" + st.hoch + "2 + " + Str(s0) + ") * (" + m + "x" + st.hoch + "2 - " + Str(s0) +
            ") = 0  ";
    text += "mit den Lösungen " + Str(minusR) + " und " + Str(r) + " .";
    Speichern(lsg, minusR);
    Speichern(lsg, r);
}

// a4 x^4 + a2 x^2 + a0 = 0: z = x^2 turns it into a quadratic in z; every positive z gives +-sqrt(z).
void Loesung43(AnalysisState& st, Surface& /*ui*/, IntVec& a, SolArray& lsg, std::string& text) {
    const double p = static_cast<double>(a[2]) / static_cast<double>(a[4]);
    const double q = static_cast<double>(a[0]) / static_cast<double>(a[4]);
    const double d = (p * p) / 4 - q;
    const std::string xQuadrat = "x" + st.hoch + "2 = ";
    text += st.leer[1] + Koeff2Gl(a) + " ist eine biquadratische Gleichung mit der Diskriminante " + Str(d) +
            " .";
    auto paar = [&](const std::string& einleitung, double z) {
        const double r = Einrasten(a, std::sqrt(z));
        const double minusR = Einrasten(a, -r);
        text += einleitung + Str(minusR) + " und " + Str(r);
        Speichern(lsg, minusR);
        Speichern(lsg, r);
    };
    if (d < 0) {
        text += st.leer[1] + "Sie hat daher keine Lösungen";
    } else if (d == 0) {
        const double z0 = -p / 2;
        text += st.leer[1] + "Sie reduziert sich daher auf " + xQuadrat + Str(z0);
        if (p < 0) {
            paar("   mit den Lösungen ", -p / 2);
        } else {
            text += " und hat somit keine Lösungen";
        }
    } else {
        const double z1 = -p / 2 - std::sqrt(d);
        const double z2 = -p / 2 + std::sqrt(d);
        text += st.leer[1] + "Sie reduziert sich daher auf " + xQuadrat + Str(z1) + "  oder   " + xQuadrat +
                Str(z2);
        if (z2 > 0) paar(st.leer[1] + "mit den Lösungen ", z2);
        if (z1 > 0) paar(st.leer[1] + "sowie ", z1);
        text += " .";
    }
}

} // namespace quadrova
