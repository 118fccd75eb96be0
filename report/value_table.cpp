#include "report/value_table.h"

#include "core/calculus.h"
#include "core/set_format.h"
#include "report/critical_points.h"

namespace quadrova {

std::string Wertetabelle(const AnalysisState& st) {
    const int n = KritischAnzahl(st);
    const std::string& lf = st.leer[1];
    const std::string striche(static_cast<std::size_t>(9 * (n + 3)), '-');

    std::string t = lf + "Wertetabelle für die kritischen Stellen" + lf + striche + lf;
    t += "   x   |  " + Norm(st.xlinks, 6);
    for (int k = 1; k <= n; ++k) t += Norm(st.Kritisch[k], 6);
    t += Norm(st.xrechts, 6) + lf + striche + lf;

    t += "  f(x) |  " + Norm(fn(st, 0, st.xlinks), 6);
    for (int k = 1; k <= n; ++k) t += Norm(fn(st, 0, st.Kritisch[k]), 6);
    t += Norm(fn(st, 0, st.xrechts), 6) + lf + striche + lf;

    t += "  f'(x)|  " + Norm(fn(st, 1, st.xlinks), 6);
    for (int k = 1; k <= n; ++k) t += Norm(IstMarkiert(st, k, 1) ? 0.0 : fn(st, 1, st.Kritisch[k]), 6);
    t += Norm(fn(st, 1, st.xrechts), 6) + lf + striche + lf;
    return t;
}

} // namespace quadrova
