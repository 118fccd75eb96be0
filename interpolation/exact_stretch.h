#pragma once
// The exact stretch. Support points typed as decimals are rational numbers, so the interpolation
// polynomial has rational coefficients; computed exactly, the smallest whole factor that makes
// them all whole is the least common multiple of their reduced denominators. Unlike a product of
// differences in 32 bits this neither overflows nor fails for abscissas that are not whole.

#include <gmpxx.h>

#include <array>

namespace quadrova::interpolation {

// The double v (finite) as the rational number of its shortest decimal text: 0.1 gives 1/10, not
// the binary fraction nearest to it.
mpq_class ExakterWert(double v);

// Coefficients c_0 ... c_9 of the polynomial of degree below n through (x_i, y_i), i < n, with
// pairwise distinct x_i. Coefficients from n upward are 0.
std::array<mpq_class, 10> ExakteKoeffizienten(const std::array<mpq_class, 10>& x,
                                              const std::array<mpq_class, 10>& y, int n);

// The least common multiple of the denominators of c; 1 when all are 0.
mpz_class Streckfaktor(const std::array<mpq_class, 10>& c);

} // namespace quadrova::interpolation
