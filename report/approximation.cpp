#include "report/approximation.h"

#include "core/calculus.h"
#include "core/int_helpers.h"
#include "core/number_text.h"
#include "core/set_format.h"
#include "core/term_printing.h"
#include "report/critical_points.h"
#include "report/curve_description.h"
#include "report/extras.h"
#include "report/sign_table.h"
#include "report/value_table.h"
#include "solver/solver_steps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace quadrova {

namespace {

constexpr int kMaxZeros = 6; // columns 1..6 of a row of Nullstellen

IntVec GanzeZeile(const AnalysisState& st, int r) {
    IntVec v{};
    for (int j = 0; j <= 6; ++j) v[j] = RundeGanz(st.Pnom[r][j]);
    return v;
}

int Anzahl(const SolArray& row) {
    const int n = static_cast<int>(std::floor(row[0]));
    return n < 0 ? 0 : (n > kMaxZeros ? kMaxZeros : n);
}

// A zero joins its row only when it lies clearly right of the last one: a common zero taken at a
// split point can be met again by the bisection of the next stretch, a rounding error away.
void Anhaengen(AnalysisState& st, int l, double z) {
    SolArray& row = st.Nullstellen[l];
    const int n = Anzahl(row);
    if (n >= kMaxZeros) return;
    if (n > 0) {
        const double last = row[n];
        if (!(z - last > 1e-6 * std::max(1.0, std::fabs(last)))) return;
    }
    row[n + 1] = z;
    row[0] = n + 1;
}

// Sum of |a_k| |z|^k over the terms of f^(l): at a true zero the value is a rounding error of it.
double Termgroesse(const AnalysisState& st, int l, double z) {
    double s = 0;
    double p = 1;
    for (int k = 0; k <= 6; ++k) {
        s += std::fabs(st.Pnom[l][k]) * p;
        p *= std::fabs(z);
    }
    return s;
}

// Zeros of f^(l), one per stretch between the split points z (the zeros of f^(l+1)) and the
// bound B that encloses every real zero.
void StreckenAbsuchen(AnalysisState& st, int l, double b) {
    const SolArray split = st.Nullstellen[l + 1];
    // Without a zero of f^(l+1) the single split point 0 stands in: the row holds 0 there.
    const int g = std::max(1, Anzahl(split));
    double links = -b;
    for (int u = 1; u <= g; ++u) {
        const double z = Anzahl(split) == 0 ? 0.0 : split[u];
        // The split point is a zero only when its value is small against the size of the terms as
        // well: on a curve with tiny values the 0.0001 test alone takes points that are no zeros, and
        // the stretch before such a point would then not be searched.
        if (IstNull(fn(st, l, z)) && std::fabs(fn(st, l, z)) <= 1e-6 * Termgroesse(st, l, z)) {
            Anhaengen(st, l, z);
        } else if (fn(st, l, links) * fn(st, l, z) < 0) {
            Anhaengen(st, l, FindeNullstelle(st, l, links, z));
        }
        links = z;
    }
    if (fn(st, l, links) * fn(st, l, b) < 0) Anhaengen(st, l, FindeNullstelle(st, l, links, b));
}

} // namespace

void Init2(AnalysisState& st) {
    for (double& k : st.Kritisch) k = 0;
    for (int i = 0; i <= 6; ++i) {
        for (int j = 0; j <= 6; ++j) st.Nullstellen[i][j] = 0;
    }
}

void ErrechneNullstellen(AnalysisState& st) {
    // With whole coefficients and a leading one of at least 1 in magnitude, every real zero of f
    // and (Gauss-Lucas) of its derivatives lies in [-B; B].
    double b = 0;
    for (int j = 0; j <= 6; ++j) b = b + std::fabs(st.Pnom[0][j]);

    // f^(d) is a non-zero constant for the degree d of f; the derivatives above it vanish. (Row 6
    // of Pnom is the antiderivative's place, not a derivative.)
    int k = 5;
    while (k > 1 && fn(st, k, -b) == 0) --k;
    const int n = k - 1;
    if (n < 1) return;
    st.Nullstellen[n][0] = 1;
    st.Nullstellen[n][1] = -st.Pnom[n][0] / st.Pnom[n][1];

    for (k = n; k >= 1; --k) StreckenAbsuchen(st, k - 1, b);
}

double FindeNullstelle(const AnalysisState& st, int a, double left, double right) {
    const double anfang = left;
    const double ende = right;
    double m = (left + right) / 2;
    while (right - left > 1e-9) {
        m = (left + right) / 2;
        // Far from 0 neighbouring doubles lie more than 1e-9 apart: once the midpoint is an end,
        // the interval cannot shrink any more.
        if (m == left || m == right) break;
        if (fn(st, a, left) * fn(st, a, m) > 0) {
            left = m;
        } else {
            right = m;
        }
    }
    // A result close to a whole number w is taken as w only when w is truly the zero searched: on
    // a steep curve f^(a)(w) may be far from 0 although w is near the computed zero, and a whole
    // zero outside the searched stretch is another zero (the stretch holds only one).
    const double w = std::round(m);
    if (IstNull(m - w) && anfang <= w && w <= ende && std::fabs(w) < 9e18 &&
        IstNullstelle(GanzeZeile(st, a), static_cast<std::int64_t>(w))) {
        m = w;
    }
    return m;
}

void KritischeStellenBestimmen2(AnalysisState& st) {
    // Union, sort and type marks are those of the school road; only the widening differs.
    KritischeStellenBestimmen(st);
    IntervallBestimmen(st, 1.1);
}

void Start2(AnalysisState& st, Surface& ui) {
    const auto& lf = st.leer;
    Init2(st);
    Ableiten(st);
    std::string r = st.Gelaber + lf[2] + "Untersuchung der Funktion f mit f(x) = " + Koeff2Term(st.Poly) +
                    " mit Approximationsverfahren.";
    for (int i = 1; i <= 3; ++i) {
        r += lf[2] + "Die " + Str(i) + ". Ableitung hat den Funktionsterm " + Koeff2Term(GanzeZeile(st, i));
    }

    ErrechneNullstellen(st);
    r += lf[3] + "Zusammenfassung der Nullstellenmengen N(i) der i-Ableitungen (i=0, 1, 2, 3):" + lf[2];
    for (int i = 0; i <= 3; ++i) r += "N(" + Str(i) + ") = " + Feld2Menge(st.Nullstellen[i]) + lf[1];

    KritischeStellenBestimmen2(st);
    r += lf[2] + "Menge der kritischen Stellen: " + Feld2Menge(st.Kritisch) + lf[1] +
         "Alle kritischen Stellen liegen im Inneren des Intervalls [ " + Str(st.xlinks) + "; " +
         Str(st.xrechts) + " ] ." + lf[2];

    Vorzeichen(st);
    r += Vorzeichentabelle(st);
    r += lf[1];
    r += Wertetabelle(st);
    r += lf[1];
    r += Beschreibung(st);
    if (st.ExtrasAktiviert) Extras(st, r);

    ui.setAusgabeText(r);
    MaxMinBerechnen(st);
    st.SkizzeBereit = true;
}

} // namespace quadrova
