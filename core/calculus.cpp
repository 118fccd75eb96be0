#include "core/calculus.h"

#include "core/int_helpers.h"

namespace quadrova {

void Ableiten(AnalysisState& st) {
    // (a x^(j+1))' = (j+1) a x^j, row by row from the one above.
    for (int i = 1; i <= 5; ++i) {
        for (int j = 0; j <= 6 - i; ++j) st.Pnom[i][j] = (j + 1) * st.Pnom[i - 1][j + 1];
    }
}

void Aufleiten(AnalysisState& st) {
    st.Pnom[6][0] = 0;
    for (int i = 1; i <= 6; ++i) st.Pnom[6][i] = st.Pnom[0][i - 1] / i;
}

double fn(const AnalysisState& st, int i, double x) {
    const auto& zeile = st.Pnom.at(static_cast<std::size_t>(i));
    double s = 0;
    for (int n = 6; n >= 0; --n) s = x * s + zeile[n];
    return s;
}

double Integral(const AnalysisState& st, double a, double b) {
    return fn(st, 6, b) - fn(st, 6, a);
}

double Funktionswert(const IntVec& c, double x) {
    double s = 0;
    for (int n = 6; n >= 0; --n) s = x * s + static_cast<double>(c[n]);
    return IstNull(s) ? 0 : s;
}

} // namespace quadrova
