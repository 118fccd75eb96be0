#include "interpolation/interpolation.h"

#include "core/number_text.h"
#include "equation_solver/reinigen.h"
#include "interpolation/exact_stretch.h"

#include <cmath>

namespace quadrova::interpolation {

namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

Anzahl StuetzstellenAnzahl(std::string_view text) {
    const double wert = Val(text);
    // Compared before the conversion, so that huge counts never reach the int conversion.
    if (!(wert >= 1)) return {0, false};
    if (wert >= kMaxPunkte + 1) return {kMaxPunkte, true};
    return {static_cast<int>(wert), false};
}

void StuetzpunkteEinlesen(InterpolationsDaten& d, const TextFelder& xTexte, const TextFelder& yTexte) {
    d.xwert.fill(0);
    d.ywert.fill(0);
    for (int i = 0; i < kMaxPunkte; ++i) {
        d.xwert[idx(i)] = Val(Reinigen(xTexte[idx(i)]));
        d.ywert[idx(i)] = Val(Reinigen(yTexte[idx(i)]));
    }
    for (int i = d.n; i <= kMaxPunkte; ++i) {
        d.xwert[idx(i)] = 0;
        d.ywert[idx(i)] = 0;
    }

    d.exakt = true;
    for (int i = 0; i < d.n; ++i) {
        if (!std::isfinite(d.xwert[idx(i)]) || !std::isfinite(d.ywert[idx(i)])) d.exakt = false;
    }
    for (int i = 0; i < kMaxPunkte; ++i) {
        const bool nutzbar = d.exakt && i < d.n;
        d.xExakt[idx(i)] = nutzbar ? ExakterWert(d.xwert[idx(i)]) : mpq_class(0);
        d.yExakt[idx(i)] = nutzbar ? ExakterWert(d.ywert[idx(i)]) : mpq_class(0);
    }

    // With whole abscissas V is a multiple of every Lagrange denominator. It is kept exactly; the
    // stretch no longer needs it (see exact_stretch.h), so an infinite coordinate just leaves 0.
    mpq_class v = d.exakt ? 1 : 0;
    for (int i = 0; d.exakt && i + 1 < d.n; ++i) {
        for (int j = i + 1; j < d.n; ++j) v *= d.xExakt[idx(i)] - d.xExakt[idx(j)];
    }
    d.Hauptnenner = v;
}

bool Pruefen(const InterpolationsDaten& d) {
    // Pairwise comparison rather than the product of all differences: that product underflows
    // to 0 for ten close abscissas such as 1e-9, 2e-9, ... although they are distinct.
    for (int i = 0; i + 1 < d.n; ++i) {
        for (int j = i + 1; j < d.n; ++j) {
            if (d.xwert[idx(i)] == d.xwert[idx(j)]) return false;
        }
    }
    return true;
}

void ArgumenteEinlesen(InterpolationsDaten& d, const TextFelder& argTexte) {
    for (int i = 0; i < kMaxPunkte; ++i) d.Argx[idx(i)] = Val(argTexte[idx(i)]);
}

double gi(const InterpolationsDaten& d, int i, double x) {
    double r = d.ywert[idx(i)];
    for (int j = 0; j < d.n; ++j) {
        if (j == i) continue;
        r = r * (d.xwert[idx(j)] - x);
        r = r / (d.xwert[idx(j)] - d.xwert[idx(i)]);
    }
    return r;
}

double g(const InterpolationsDaten& d, double x) {
    double s = 0;
    for (int i = 0; i < d.n; ++i) s = s + gi(d, i, x);
    return s;
}

double Prod(const InterpolationsDaten& d, int k, int i) {
    const int m = d.n - 1; // number of the other abscissas
    if (k < 0 || k > m || i < 0 || i >= d.n) return 0;

    std::array<double, kMaxPunkte> z{};
    int zahl = 0;
    for (int j = 0; j < d.n; ++j) {
        if (j != i) z[idx(zahl++)] = d.xwert[idx(j)];
    }

    // Every k-element set of excluded indices of z, in lexicographic order; the product of the
    // remaining members summed over all sets is the elementary symmetric sum e_(m-k).
    std::array<int, kMaxPunkte> aus{};
    for (int t = 0; t < k; ++t) aus[idx(t)] = t;
    double s = 0;
    while (true) {
        std::array<bool, kMaxPunkte> ausgeschlossen{};
        for (int t = 0; t < k; ++t) ausgeschlossen[idx(aus[idx(t)])] = true;
        double q = 1;
        for (int v = 0; v < m; ++v) {
            if (!ausgeschlossen[idx(v)]) q = q * z[idx(v)];
        }
        s = s + q;

        int t = k - 1;
        while (t >= 0 && aus[idx(t)] == m - k + t) --t;
        if (t < 0) break;
        ++aus[idx(t)];
        for (int u = t + 1; u < k; ++u) aus[idx(u)] = aus[idx(u - 1)] + 1;
    }

    double r = s * d.ywert[idx(i)];
    for (int v = 0; v < m; ++v) r = r / (z[idx(v)] - d.xwert[idx(i)]);
    return r;
}

void Koeffizientenberechnung(InterpolationsDaten& d) {
    for (int k = 0; k < d.n; ++k) d.Koeff[idx(k)] = 0;
    for (int i = 0; i < d.n; ++i) {
        for (int k = 0; k < kMaxPunkte; ++k) d.Koeff[idx(k)] = d.Koeff[idx(k)] + Prod(d, k, i);
    }
    for (int k = 0; k < kMaxPunkte; ++k) {
        d.Koeff[idx(k)] = vorz(k) * d.Koeff[idx(k)];
        if (IstNull(d.Koeff[idx(k)])) d.Koeff[idx(k)] = 0;
    }
    for (int k = d.n; k < kMaxPunkte; ++k) d.Koeff[idx(k)] = 0;
}

int vorz(int k) {
    return k % 2 != 0 ? -1 : 1;
}

bool IstNull(double x) {
    return std::fabs(x) < 1e-8;
}

int Schwanzweg(const std::array<double, kMaxPunkte>& gezeigt) {
    int k = kMaxPunkte - 1;
    while (gezeigt[idx(k)] == 0 && k > 0) --k;
    return k;
}

} // namespace quadrova::interpolation
