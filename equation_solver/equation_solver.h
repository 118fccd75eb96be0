#pragma once
// Numeric solution of a polynomial equation a_0 + a_1 x + ... + a_10 x^10 = 0 with real
// coefficients, and its German texts. The zeros of the derivatives are found from the highest
// derivative downwards: the zeros of derivative n+1 cut the search interval into pieces on which
// derivative n is monotone, so each piece holds at most one of its zeros, found by bisection.

#include <array>
#include <optional>
#include <string>

namespace quadrova {

inline constexpr int MaxGrad = 10;
using KoeffTexte = std::array<std::string, MaxGrad + 1>; // text of the field of x^i at index i
using KoeffWerte = std::array<double, MaxGrad + 1>;

// Cleans every entry with the single-text Reinigen of reinigen.h.
void Reinigen(KoeffTexte& texte);
// values(i) = number of texts(i); an empty text gives 0.
void Umwandeln(const KoeffTexte& texte, KoeffWerte& werte);

std::string strabs(double x); // text of |x|, empty when |x| = 1
std::string xhoch(int k);     // " ", "x ", "x^k " for k = 2..10, empty otherwise

// Outcome of reading the eleven fields.
enum class Lesung {
    Ok,       // degree at least 1: the equation can be solved
    KeinGrad, // no non-zero coefficient of a power >= 1
    ZuGross,  // a coefficient, a derivative's coefficient or the search bound is not finite
};

class GleichungsLoeser {
public:
    GleichungsLoeser();

    // Empties the zero lists of all derivatives.
    void Init();

    // Cleans and converts the field texts, replaces each text by the number it was read as (a text
    // whose number is not finite keeps its cleaned form), and sets grad, Pnom row 0 and the search
    // interval. Only Lesung::Ok allows solving.
    Lesung GleichungEinlesen(KoeffTexte& texte);
    // The same from numbers: grad, Pnom row 0 and the search interval.
    Lesung Setzen(const KoeffWerte& werte);

    void Ableiten();
    double fn(int p, double x) const; // value of the p-th derivative (Horner)
    static bool IstNull(double x) { return x < 1e-9 && x > -1e-9; }
    bool IstNullstelle(int p, double x) const { return IstNull(fn(p, x)); }
    double FindeNullstelle(int p, double a, double b) const;
    void NullstellenBerechnen();

    // The equation in ascending powers, e.g. " -6 + 11x - 6x^2 + x^3   =  0 "; nullopt when no
    // coefficient up to grad is non-zero (cannot happen after a successful reading).
    std::optional<std::string> GleichungAusgeben() const;
    // One line per solution of the equation itself; used only when there is at least one.
    std::string NullstellenAusgeben() const;

    // The complete texts of the output area after reading and after solving.
    std::string EingabeEcho() const;
    std::string Antwort() const;

    int anzahlLoesungen() const { return static_cast<int>(Nullstellen[0][0]); }
    double loesung(int i) const { return Nullstellen[0][static_cast<std::size_t>(i)]; } // i = 1..count

    int grad = 0;
    std::array<std::string, 5> leer;
    std::array<std::array<double, MaxGrad + 1>, MaxGrad + 1> Nullstellen{};
    std::array<std::array<double, MaxGrad + 3>, MaxGrad + 3> Pnom{};
    double xlinks = 0;
    double xrechts = 0;

private:
    void Eintragen(int n, double z);
};

} // namespace quadrova
