#include "equation_solver/equation_solver.h"

#include "core/number_text.h"
#include "equation_solver/reinigen.h"

#include <cmath>

namespace quadrova {

namespace {

// Sign tests without multiplying the two values: a product of two tiny values can underflow to 0
// and one of two huge values can overflow, either of which would hide a change of sign.
bool gleichesVorzeichen(double u, double v) {
    return (u > 0 && v > 0) || (u < 0 && v < 0);
}
bool Vorzeichenwechsel(double u, double v) {
    return (u > 0 && v < 0) || (u < 0 && v > 0);
}

// (a + b) / 2, also for ends so large that their sum overflows.
double Mitte(double a, double b) {
    const double m = (a + b) / 2;
    return std::isfinite(m) ? m : a / 2 + b / 2;
}

} // namespace

void Reinigen(KoeffTexte& texte) {
    for (auto& t : texte) t = Reinigen(std::string_view(t));
}

void Umwandeln(const KoeffTexte& texte, KoeffWerte& werte) {
    for (std::size_t i = 0; i < texte.size(); ++i) werte[i] = Val(texte[i]);
}

std::string strabs(double x) {
    const double b = std::fabs(x);
    return b == 1 ? std::string() : Str(b);
}

std::string xhoch(int k) {
    if (k == 0) return " ";
    if (k == 1) return "x ";
    if (k >= 2 && k <= MaxGrad) return "x^" + Str(k) + " ";
    return {};
}

GleichungsLoeser::GleichungsLoeser() {
    for (std::size_t i = 1; i < leer.size(); ++i) leer[i] = leer[i - 1] + '\n';
}

void GleichungsLoeser::Init() {
    for (auto& zeile : Nullstellen) zeile.fill(0);
}

Lesung GleichungsLoeser::GleichungEinlesen(KoeffTexte& texte) {
    KoeffWerte werte{};
    Reinigen(texte);
    Umwandeln(texte, werte);
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (std::isfinite(werte[i])) texte[i] = Str(werte[i]);
    return Setzen(werte);
}

Lesung GleichungsLoeser::Setzen(const KoeffWerte& werte) {
    for (auto& zeile : Pnom) zeile.fill(0);
    grad = 0;
    for (double a : werte)
        if (!std::isfinite(a)) return Lesung::ZuGross;

    for (int i = 0; i <= MaxGrad; ++i)
        if (werte[static_cast<std::size_t>(i)] != 0) grad = i;
    for (int i = 0; i <= grad; ++i) Pnom[0][static_cast<std::size_t>(i)] = werte[static_cast<std::size_t>(i)];
    if (grad == 0) return Lesung::KeinGrad;

    // Every real zero z satisfies |z| <= max(1, sum of |a_i / a_grad| for i < grad).
    double summe = 0;
    for (int i = 0; i < grad; ++i) summe += std::fabs(werte[static_cast<std::size_t>(i)]);
    xrechts = std::fmax(2.0, summe / std::fabs(werte[static_cast<std::size_t>(grad)]));
    xlinks = -xrechts;

    // The derivatives multiply the coefficients by up to 10!; they and the bound must stay finite,
    // or the bisection would work with infinities.
    Ableiten();
    bool zuGross = !std::isfinite(xrechts);
    for (const auto& zeile : Pnom)
        for (double a : zeile) zuGross = zuGross || !std::isfinite(a);
    for (std::size_t i = 1; i < Pnom.size(); ++i) Pnom[i].fill(0);
    if (zuGross) {
        Pnom[0].fill(0);
        grad = 0;
        return Lesung::ZuGross;
    }
    return Lesung::Ok;
}

void GleichungsLoeser::Ableiten() {
    for (int i = 1; i <= grad; ++i)
        for (int k = 0; k <= grad - i + 1; ++k) {
            const auto ui = static_cast<std::size_t>(i);
            const auto uk = static_cast<std::size_t>(k);
            Pnom[ui][uk] = (k + 1) * Pnom[ui - 1][uk + 1];
        }
}

double GleichungsLoeser::fn(int p, double x) const {
    const auto& zeile = Pnom[static_cast<std::size_t>(p)];
    double s = 0;
    for (int k = grad + 1; k >= 0; --k) s = x * s + zeile[static_cast<std::size_t>(k)];
    return s;
}

double GleichungsLoeser::FindeNullstelle(int p, double a, double b) const {
    // Halve [a, b] until it is no wider than 1e-11, or until its ends are neighbouring doubles
    // (far from 0 the spacing of doubles exceeds 1e-11, and the midpoint then equals an end).
    double m = Mitte(a, b);
    double fa = fn(p, a);
    while (b - a > 1e-11) {
        m = Mitte(a, b);
        if (m <= a || m >= b) break;
        const double fm = fn(p, m);
        if (gleichesVorzeichen(fa, fm)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return m;
}

void GleichungsLoeser::Eintragen(int n, double z) {
    auto& zeile = Nullstellen[static_cast<std::size_t>(n)];
    const int k = static_cast<int>(zeile[0]);
    // A polynomial that is tiny everywhere passes the absolute zero test at every point; the row
    // holds at most MaxGrad zeros.
    if (k >= MaxGrad) return;
    if (k == 0 || std::fabs(z - zeile[static_cast<std::size_t>(k)]) > 1e-5) {
        zeile[static_cast<std::size_t>(k) + 1] = z;
        zeile[0] = k + 1;
    }
}

void GleichungsLoeser::NullstellenBerechnen() {
    Init();
    if (grad < 1) return;
    const auto g1 = static_cast<std::size_t>(grad - 1);
    Nullstellen[g1][0] = 1;
    Nullstellen[g1][1] = -Pnom[g1][0] / Pnom[g1][1];

    for (int n = grad - 2; n >= 0; --n) {
        const auto& hoeher = Nullstellen[static_cast<std::size_t>(n) + 1];
        const int c = static_cast<int>(hoeher[0]);
        std::array<double, MaxGrad + 5> w{};
        const int anzahl = c + 2;
        w[1] = xlinks;
        for (int j = 1; j <= c; ++j) w[static_cast<std::size_t>(j) + 1] = hoeher[static_cast<std::size_t>(j)];
        w[static_cast<std::size_t>(anzahl)] = xrechts;

        for (int i = 1; i < anzahl; ++i) {
            const double h = w[static_cast<std::size_t>(i)];
            const double m = w[static_cast<std::size_t>(i) + 1];
            const double fh = fn(n, h);
            if (IstNull(fh))
                Eintragen(n, h);
            else if (Vorzeichenwechsel(fh, fn(n, m)))
                Eintragen(n, FindeNullstelle(n, h, m));
        }
        if (IstNullstelle(n, w[static_cast<std::size_t>(anzahl)]))
            Eintragen(n, w[static_cast<std::size_t>(anzahl)]);
    }
}

std::optional<std::string> GleichungsLoeser::GleichungAusgeben() const {
    const auto& a = Pnom[0];
    int i = 0;
    while (i <= grad && a[static_cast<std::size_t>(i)] == 0) ++i;
    if (i > grad) return std::nullopt;
    const double ai = a[static_cast<std::size_t>(i)];
    std::string s;
    if (ai < 0) s += " -";
    if (i == 0)
        s += Str(std::fabs(ai)) + " ";
    else
        s += strabs(ai) + xhoch(i);
    for (int k = i + 1; k <= grad; ++k) {
        const double ak = a[static_cast<std::size_t>(k)];
        if (ak == 0) continue;
        s += ak > 0 ? "+ " : "- ";
        s += strabs(ak) + xhoch(k);
    }
    return s + "  =  0 ";
}

std::string GleichungsLoeser::NullstellenAusgeben() const {
    const int anzahl = anzahlLoesungen();
    std::string s;
    for (int i = 1; i <= anzahl; ++i) {
        const double z = loesung(i);
        s += "          x" + Str(i) + "  =  " + (IstNull(z) ? std::string("0") : Str(z));
        s += i < anzahl ? " ," + leer[1] : std::string(" .");
    }
    return s;
}

std::string GleichungsLoeser::EingabeEcho() const {
    return leer[1] + "Eingegebene Gleichung:   " + GleichungAusgeben().value_or("");
}

std::string GleichungsLoeser::Antwort() const {
    std::string s = leer[1] + "Die Gleichung    " + GleichungAusgeben().value_or("");
    const int anzahl = anzahlLoesungen();
    if (anzahl == 0) return s + "hat keine Lösungen.";
    if (anzahl == 1) return s + "hat als einzige Lösung " + NullstellenAusgeben();
    return s + "hat die Lösungen " + leer[2] + NullstellenAusgeben();
}

} // namespace quadrova
