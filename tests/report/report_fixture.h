#pragma once
// Builds analysis states by hand: f from its coefficients, the zero rows as given, so that each
// report section can be checked without the solver.

#include "core/analysis_state.h"
#include "core/calculus.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace quadrova::testing {

// f from its coefficients, highest power first (as one writes the term), with its derivatives.
inline AnalysisState MitPolynom(std::initializer_list<std::int64_t> hoechsteZuerst) {
    AnalysisState st;
    init(st);
    int k = static_cast<int>(hoechsteZuerst.size()) - 1;
    st.PGrad = k;
    for (std::int64_t c : hoechsteZuerst) {
        st.Poly[k] = c;
        st.Pnom[0][k] = static_cast<double>(c);
        --k;
    }
    Ableiten(st);
    return st;
}

// Row i of Nullstellen = the given zeros (ascending).
inline void SetzeNullstellen(AnalysisState& st, int i, std::vector<double> z) {
    st.Nullstellen[i][0] = static_cast<double>(z.size());
    for (std::size_t j = 0; j < z.size(); ++j) st.Nullstellen[i][j + 1] = z[j];
}

inline void SetzeNullstellen(AnalysisState& st, std::vector<double> f, std::vector<double> f1,
                             std::vector<double> f2) {
    SetzeNullstellen(st, 0, std::move(f));
    SetzeNullstellen(st, 1, std::move(f1));
    SetzeNullstellen(st, 2, std::move(f2));
}

inline std::vector<std::string> Zeilen(const std::string& s) {
    std::vector<std::string> z;
    std::size_t a = 0;
    for (;;) {
        const std::size_t e = s.find('\n', a);
        z.push_back(s.substr(a, e == std::string::npos ? std::string::npos : e - a));
        if (e == std::string::npos) return z;
        a = e + 1;
    }
}

} // namespace quadrova::testing
