#include "report/sign_table.h"

#include "core/build_config.h"
#include "core/calculus.h"
#include "core/set_format.h"
#include "report/critical_points.h"

namespace quadrova {

namespace {

// Row labels of f, f', f'' (8 characters each).
constexpr const char* kZeilen[3] = {"  f(x) |", "  f'(x)|", " f''(x)|"};

} // namespace

std::string Vorzkette(double x) {
    if (x > 0) return "+++++++++";
    if (x < 0) return "---------";
    return "____||___";
}

std::string Vorzeichentabelle(const AnalysisState& st) {
    const int n = KritischAnzahl(st);
    const std::string& lf = st.leer[1];
    const std::string striche(static_cast<std::size_t>(9 * (n + 3)), '-');

    std::string t = lf + "Vorzeichentabelle nach Intervallen" + lf + striche + lf;
    t += "   x   |  " + Norm(st.xlinks, 6);
    for (int k = 1; k <= n; ++k) t += Norm(st.Kritisch[k], 6);
    t += Norm(st.xrechts, 6) + lf;

    for (int i = 0; i <= 2; ++i) {
        t += striche + lf + kZeilen[i];
        t += Vorzkette(fn(st, i, st.xlinks));
        // A known zero gives the zero cell without evaluating: the computed value of an irrational
        // zero is only near 0, and its sign means nothing.
        for (int k = 1; k <= n; ++k)
            t += IstMarkiert(st, k, i) ? Vorzkette(0) : Vorzkette(fn(st, i, st.Kritisch[k]));
        t += Vorzkette(fn(st, i, st.xrechts)) + "|" + lf;
    }
    t += striche + st.leer[2];
    t += "Das Verfahren zur Ermittlung der Vorzeichenbereiche (unter Umständen ohne Berechnung eines "
         "einzigen Funktionswertes) " +
         lf;
    t += std::string("ist in ") + config::homepage + "/Media/Themen/Kurvendiskussion.html" +
         " ausführlich beschrieben.";
    return t;
}

} // namespace quadrova
