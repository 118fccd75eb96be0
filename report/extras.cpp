#include "report/extras.h"

#include "core/calculus.h"
#include "core/int_helpers.h"
#include "core/number_text.h"
#include "report/critical_points.h"

#include <cmath>

namespace quadrova {

namespace {

// Readers take a count as the floor of element 0; the array bounds cap it.
int Anzahl(double count, int capacity) {
    const double n = std::floor(count);
    if (!(n > 0)) return 0;
    return n > capacity ? capacity : static_cast<int>(n);
}

} // namespace

void Extras(AnalysisState& st, std::string& text) {
    Tangentengleichungen(st, text);
    if (st.PGrad == 3) Tangentenschnitt(st, text);
    Flaechenberechnungen(st, text);
}

void Tangentengleichungen(const AnalysisState& st, std::string& text) {
    text += st.leer[2] + "Gleichungen der in den kritischen Punkten angelegten Tangenten" + st.leer[2];
    const int n = KritischAnzahl(st);
    for (int k = 1; k <= n; ++k) {
        // y = m x + b with m = f'(x0) and b = f(x0) - x0 m.
        const double x = st.Kritisch[k];
        const double y = fn(st, 0, x);
        const double m = fn(st, 1, x);
        const double b = y - x * m;
        std::string line = "   ";
        line += static_cast<char>(65 + k);
        line += ": y = ";
        if (!IstNull(m)) {
            if (m == 1) {
                line += "x ";
            } else if (m == -1) {
                line += "- x ";
            } else {
                line += Str(m) + "x ";
            }
        }
        if (!IstNull(b)) {
            if (b > 0 && !IstNull(m)) line += "+ ";
            if (b < 0) line += "- ";
            line += Str(std::fabs(b));
        }
        if (IstNull(m) && IstNull(b)) line += " 0";
        text += line + st.leer[1];
    }
}

void Tangentenschnitt(const AnalysisState& st, std::string& text) {
    const double q = static_cast<double>(st.Poly[2]) / static_cast<double>(st.Poly[3]);
    std::string t;
    if (q > 0) t = "- " + Str(q);
    if (q < 0) t = "+ " + Str(-q);
    text += st.leer[1] +
            "Die im Punkte P(z, f(z)) angelegte Tangente schneidet den Graphen an der Stelle  x = -2z " + t +
            "." + st.leer[1];
}

void Flaechenberechnungen(AnalysisState& st, std::string& text) {
    std::string oben = "   A_oberhalb  = ";
    std::string unten = "   A_unterhalb = ";
    const char* plus = "";
    double oberhalb = 0;
    double unterhalb = 0;
    Aufleiten(st);

    // Between two neighbouring zeros f keeps its sign; the value at the midpoint tells which.
    const SolArray& z = st.Nullstellen[0];
    const int g = Anzahl(z[0], static_cast<int>(z.size()) - 1);
    for (int j = 1; j <= g - 1; ++j) {
        const double x1 = z[j];
        const double x2 = z[j + 1];
        const std::string integral = " Int(f," + Str(x1) + "," + Str(x2) + ") ";
        if (fn(st, 0, (x1 + x2) / 2) > 0) {
            oben += plus;
            oben += integral;
            plus = "+";
            oberhalb = oberhalb + Integral(st, x1, x2);
        } else {
            unten += " -";
            unten += integral;
            unterhalb = unterhalb - Integral(st, x1, x2);
        }
    }
    if (!IstNull(oberhalb)) oben += " = ";
    if (!IstNull(unterhalb)) unten += " = ";
    oben += Str(oberhalb) + st.leer[1];
    unten += Str(unterhalb) + st.leer[1];

    text += st.leer[2] + "Inhalt der zwischen Kurve und x-Achse eingeschlossenen Fläche" + st.leer[2];
    text += oben;
    text += unten;
    text += "   Gesamtinhalt= " + Str(oberhalb + unterhalb);
}

} // namespace quadrova
