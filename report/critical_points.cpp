#include "report/critical_points.h"

#include "core/calculus.h"
#include "core/int_helpers.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace quadrova {

namespace {

// Members of row i of Nullstellen; a count of -1 (every real number) or 0 gives none.
int ZeilenAnzahl(const AnalysisState& st, int i) {
    const double c = st.Nullstellen[i][0];
    if (!(c > 0)) return 0;
    return static_cast<int>(std::min(c, 6.0));
}

// The same tolerance as KillDoppel: a critical point is the zero z when it lies within rounding
// error of it, relative to the size of z.
bool Passt(double k, double z) {
    return std::fabs(k - z) <= 1e-6 * std::max(1.0, std::fabs(z));
}

} // namespace

int KritischAnzahl(const AnalysisState& st) {
    const double c = st.Kritisch[0];
    if (!(c > 0)) return 0;
    return static_cast<int>(std::min(c, 28.0));
}

bool IstMarkiert(const AnalysisState& st, int k, int i) {
    return st.KTyp[k].find(static_cast<char>('0' + i)) != std::string::npos;
}

void KritischeStellenBestimmen(AnalysisState& st) {
    st.Kritisch[0] = 0;
    int s = 0;
    for (int i = 0; i <= 2; ++i) {
        const int c = ZeilenAnzahl(st, i);
        if (c > 0) {
            st.Kritisch[0] += c;
            for (int j = 1; j <= c; ++j) st.Kritisch[s + j] = st.Nullstellen[i][j];
            s += c;
        }
    }
    FeldOrdnen(std::span<double>(st.Kritisch));
    KillDoppel(std::span<double>(st.Kritisch));

    // The zeros are known exactly, so the marks say which of f, f', f'' vanish at each point.
    KStellenMarkieren(st);

    IntervallBestimmen(st, 1.0);
}

void IntervallBestimmen(AnalysisState& st, double rand) {
    const int n = KritischAnzahl(st);
    st.xmin = st.Kritisch[1];
    st.xlinks = st.xmin - 0.1;
    st.xmax = st.Kritisch[n];
    st.xrechts = st.xmax + 0.1;
    if (st.xmax == st.xmin) {
        st.xmin = st.xlinks;
        st.xmax = st.xrechts;
    }
    // Few points, or points far apart: whole-numbered ends read better and leave room around them.
    if (st.xrechts - st.xlinks > 3.5 || st.Kritisch[0] < 4) {
        st.xlinks = st.xmin < 0 ? -std::floor(std::fabs(st.xmin) + 1) : std::floor(st.xmin - rand);
        st.xrechts = std::floor(st.xmax + rand);
    }
}

void KStellenMarkieren(AnalysisState& st) {
    const int n = KritischAnzahl(st);
    for (int h = 1; h <= n; ++h) {
        std::string mark;
        for (int i = 0; i <= 2; ++i) {
            const int c = ZeilenAnzahl(st, i);
            for (int j = 1; j <= c; ++j) {
                if (Passt(st.Kritisch[h], st.Nullstellen[i][j])) {
                    mark += static_cast<char>('0' + i);
                    break;
                }
            }
        }
        st.KTyp[h] = mark;
    }
}

void Vorzeichen(AnalysisState& st) {
    for (int i = 0; i <= 4; ++i) st.VorzInt[i][0] = signum(fn(st, i, st.xlinks));
}

void MaxMinBerechnen(AnalysisState& st) {
    const int n = KritischAnzahl(st);
    const double a = fn(st, 0, st.Kritisch[1] + 0.1);
    const double b = fn(st, 0, st.Kritisch[1] - 0.1);
    double hi = std::max(a, b);
    double lo = std::min(a, b);
    for (int k = 1; k <= n; ++k) {
        const double y = fn(st, 0, st.Kritisch[k]);
        hi = std::max(hi, y);
        lo = std::min(lo, y);
    }
    st.maxf = hi;
    st.minf = lo;
    const double yl = fn(st, 0, st.xlinks);
    const double yr = fn(st, 0, st.xrechts);
    st.erwminf = std::min(lo, std::min(yl, yr));
    st.erwmaxf = std::max(hi, std::max(yl, yr));
}

} // namespace quadrova
