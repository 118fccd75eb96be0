#pragma once
// The interpolation polynomial through up to ten support points: reading the points, the values of
// the polynomial in Lagrange form and its coefficients of x^0 ... x^9 in double arithmetic. The
// exact stretch to whole coefficients lives in exact_stretch.h, the run of both compute buttons in
// interpolation_run.h. No Qt here: the window hands over the texts of its fields.

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quadrova::interpolation {

inline constexpr int kMaxPunkte = 10;

// The texts of ten fields of one row (x values, y values or arguments), index = slot.
using TextFelder = std::array<std::string, kMaxPunkte>;

// Everything the interpolation window keeps between its runs.
struct InterpolationsDaten {
    int n = 0;                              // number of support points, 0 ... 10
    std::array<double, 11> Argx{};          // argument values of slots 0 ... 9
    std::array<double, 11> Argy{};          // p(Argx(i))
    std::array<double, 11> ywert{};         // support ordinates; 0 from n upward
    std::array<double, 11> xwert{};         // support abscissas; 0 from n upward
    std::array<double, kMaxPunkte> Koeff{}; // Koeff(k) = coefficient of x^k

    // The support points as exact rationals: each double read taken at its shortest decimal, which
    // is the decimal the user typed whenever it had at most 15 significant digits. Only valid when
    // exakt is true (every one of the first n coordinates is finite).
    std::array<mpq_class, kMaxPunkte> xExakt;
    std::array<mpq_class, kMaxPunkte> yExakt;
    bool exakt = true;

    // After reading the points: V, the product of all differences x_i - x_j (i < j), exactly.
    // After a stretching run: the stretch factor s, a positive whole number.
    mpq_class Hauptnenner = 1;
    bool Strecken = false;

    // The exactly stretched coefficients s * p_k of the last stretching run (all whole).
    std::array<mpz_class, kMaxPunkte> Gestreckt;
    // Whole coefficients of x^0 ... x^5 prepared for the export (saturated at the int64 range).
    std::array<std::int64_t, 6> pkoeff{};
};

// The number of support points typed into the count field: the text's numeric value truncated
// towards zero, at least 0 and at most 10. zuGross tells that the count was above 10, so that the
// field is to show "10".
struct Anzahl {
    int n = 0;
    bool zuGross = false;
};
Anzahl StuetzstellenAnzahl(std::string_view text);

// Reads all ten x and y fields (cleaned, a decimal comma counts as point), clears the points from
// n upward, takes the exact values and computes V into Hauptnenner.
void StuetzpunkteEinlesen(InterpolationsDaten& d, const TextFelder& xTexte, const TextFelder& yTexte);

// True when x_0 ... x_(n-1) are pairwise distinct.
bool Pruefen(const InterpolationsDaten& d);

// Argx(i) = numeric value of argument text i, without cleaning.
void ArgumenteEinlesen(InterpolationsDaten& d, const TextFelder& argTexte);

// y_i * L_i(x), L_i the Lagrange basis polynomial of point i.
double gi(const InterpolationsDaten& d, int i, double x);
// p(x); 0 without points.
double g(const InterpolationsDaten& d, double x);

// Share of support point i in the coefficient of x^k before the sign (-1)^k: y_i times the
// elementary symmetric sum of degree n-1-k of the other abscissas, divided by the product of their
// differences to x_i. 0 when k > n - 1.
double Prod(const InterpolationsDaten& d, int k, int i);

// Fills Koeff; magnitudes below 1e-8 become exactly 0.
void Koeffizientenberechnung(InterpolationsDaten& d);

int vorz(int k);        // -1 for odd k, +1 for even k
bool IstNull(double x); // |x| < 1e-8

// The index of the highest coefficient field that stays visible: the fields of leading
// coefficients that are exactly 0 are hidden, the field of x^0 never.
int Schwanzweg(const std::array<double, kMaxPunkte>& gezeigt);

} // namespace quadrova::interpolation
