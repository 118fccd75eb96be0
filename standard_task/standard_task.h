#pragma once
// "Standardaufgabe 1": the cubic f(x) = ax^3 + bx^2 + cx + d through P with zeros at A and B and an
// extremum at E, found by Cramer's rule with exact 4 x 4 determinants.

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrova {

// The entries reach 3 * x^2 and x^3 for |x| up to 2^31, and the determinant's terms have degree six
// in the inputs, far beyond any fixed-width integer: the matrices hold exact integers.
using Matrix4 = std::array<std::array<mpz_class, 4>, 4>;

void MatrixKop(const Matrix4& quelle, Matrix4& ziel);

// Sign (-1, 0, +1) of (l - i)(l - j)(l - k)(k - j)(k - i)(j - i): 0 when two indices coincide,
// otherwise the sign of the permutation (i, j, k, l).
int vorz(int i, int j, int k, int l);

// Leibniz's formula over all 256 index tuples; only the 24 permutations contribute.
mpz_class det(const Matrix4& m);

// A field text as a whole number: the number at the start of the text (leading blanks are
// skipped), rounded to the nearest integer; nullopt when that lies outside the 32-bit range.
std::optional<std::int32_t> GanzzahlAusText(std::string_view text);

struct Aufg1Eingabe {
    std::string xA, xB, xP, yP, xE; // the texts of the five fields
};

struct Aufg1Ergebnis {
    std::string meldung;           // when not empty: shown as a message box, nothing computed
    std::string text;              // otherwise the text of ErgebnisF
    std::array<double, 4> koeff{}; // a, b, c, d
};

inline constexpr std::string_view BereichsMeldung =
    "Bitte ganze Zahlen im Bereich von -2147483648 bis 2147483647 eingeben";
inline constexpr std::string_view SingulaerMeldung = "Systemdeterminante darf nicht null sein";

// The rows f(x_P) = y_P, f(x_A) = 0, f(x_B) = 0, f'(x_E) = 0 over the columns a, b, c, d.
Matrix4 SystemMatrix(std::int64_t xP, std::int64_t xA, std::int64_t xB, std::int64_t xE);

Aufg1Ergebnis BerAufg1(const Aufg1Eingabe& eingabe);

} // namespace quadrova
