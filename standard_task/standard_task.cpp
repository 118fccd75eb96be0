#include "standard_task/standard_task.h"

#include "core/number_text.h"

#include <cmath>
#include <limits>

namespace quadrova {

void MatrixKop(const Matrix4& quelle, Matrix4& ziel) {
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j) ziel[i][j] = quelle[i][j];
}

int vorz(int i, int j, int k, int l) {
    const std::array<int, 6> faktoren{l - i, l - j, l - k, k - j, k - i, j - i};
    int s = 1;
    for (int f : faktoren) s *= (f > 0) - (f < 0);
    return s;
}

mpz_class det(const Matrix4& m) {
    mpz_class summe = 0;
    mpz_class produkt;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k)
                for (int l = 0; l < 4; ++l) {
                    const int s = vorz(i, j, k, l);
                    if (s == 0) continue;
                    produkt = m[0][static_cast<std::size_t>(i)] * m[1][static_cast<std::size_t>(j)];
                    produkt *= m[2][static_cast<std::size_t>(k)];
                    produkt *= m[3][static_cast<std::size_t>(l)];
                    if (s > 0)
                        summe += produkt;
                    else
                        summe -= produkt;
                }
    return summe;
}

std::optional<std::int32_t> GanzzahlAusText(std::string_view text) {
    const double wert = std::round(Val(text));
    // Both limits are exact doubles, and NaN fails both comparisons.
    if (!(wert >= -2147483648.0 && wert <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(wert);
}

Matrix4 SystemMatrix(std::int64_t xP, std::int64_t xA, std::int64_t xB, std::int64_t xE) {
    Matrix4 m;
    const std::array<std::int64_t, 3> punkte{xP, xA, xB};
    for (std::size_t r = 0; r < 3; ++r) {
        const mpz_class x = static_cast<long>(punkte[r]);
        m[r] = {x * x * x, x * x, x, 1};
    }
    const mpz_class e = static_cast<long>(xE);
    m[3] = {3 * e * e, 2 * e, 1, 0};
    return m;
}

Aufg1Ergebnis BerAufg1(const Aufg1Eingabe& eingabe) {
    Aufg1Ergebnis ergebnis;
    const auto xP = GanzzahlAusText(eingabe.xP);
    const auto yP = GanzzahlAusText(eingabe.yP);
    const auto xA = GanzzahlAusText(eingabe.xA);
    const auto xB = GanzzahlAusText(eingabe.xB);
    const auto xE = GanzzahlAusText(eingabe.xE);
    if (!xP || !yP || !xA || !xB || !xE) {
        ergebnis.meldung = BereichsMeldung;
        return ergebnis;
    }

    const Matrix4 m = SystemMatrix(*xP, *xA, *xB, *xE);
    const mpz_class d = det(m);
    if (d == 0) {
        ergebnis.meldung = SingulaerMeldung;
        return ergebnis;
    }
    // Cramer's rule: coefficient k is det(M with column k replaced by the right-hand side) / det(M).
    const std::array<long, 4> rechts{*yP, 0, 0, 0};
    const double nenner = d.get_d();
    for (std::size_t k = 0; k < 4; ++k) {
        Matrix4 kopie;
        MatrixKop(m, kopie);
        for (std::size_t r = 0; r < 4; ++r) kopie[r][k] = rechts[r];
        ergebnis.koeff[k] = det(kopie).get_d() / nenner;
    }
    const auto& [a, b, c, dd] = ergebnis.koeff;
    ergebnis.text =
        "a = " + Str(a) + ",     b = " + Str(b) + ",     c = " + Str(c) + ",     d = " + Str(dd) + " .";
    return ergebnis;
}

} // namespace quadrova
