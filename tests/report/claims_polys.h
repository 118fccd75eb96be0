#pragma once
// The deterministic set of polynomials of degree 3 to 5 that the claims checker analyses.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace claims {

struct TestPolynomial {
    std::string family;                // which kind of polynomial, for the tallies
    std::array<std::int64_t, 6> coeff; // coeff[k] is the coefficient of x^k
};

// The typed term, for example "3x^5-2x^4+x^3-7".
std::string TermText(const std::array<std::int64_t, 6>& coeff);

// Always the same list, in the same order, on every platform.
std::vector<TestPolynomial> ClaimPolynomials();

} // namespace claims
