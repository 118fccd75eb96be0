#include "claims_polys.h"

#include "core/number_text.h"

#include <numeric>

namespace claims {

namespace {

using Coeffs = std::vector<std::int64_t>; // small factors: the products stay far inside 64 bits

constexpr std::int64_t kLimit = 2147483647; // the largest coefficient the parser accepts

// splitmix64: fully specified, so the set is the same everywhere (unlike the std distributions).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform whole number in [lo, hi].
    std::int64_t In(std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool Chance(int percent) { return In(0, 99) < percent; }

private:
    std::uint64_t s_;
};

Coeffs Mul(const Coeffs& a, const Coeffs& b) {
    Coeffs r(a.size() + b.size() - 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            r[i + j] += a[i] * b[j];
        }
    }
    return r;
}

// Accepts the product when it has degree 3..5 and every coefficient within the parser's range.
bool Accept(const Coeffs& p, std::vector<TestPolynomial>& out, const std::string& family) {
    if (p.size() < 4 || p.size() > 6 || p.back() == 0) {
        return false;
    }
    std::array<std::int64_t, 6> c{};
    for (std::size_t k = 0; k < p.size(); ++k) {
        if (p[k] > kLimit || p[k] < -kLimit) {
            return false;
        }
        c[k] = static_cast<std::int64_t>(p[k]);
    }
    out.push_back({family, c});
    return true;
}

std::int64_t Lead(Rng& rng) {
    static constexpr std::array<std::int64_t, 8> kLeads{1, -1, 2, -2, 3, -3, 1, 1};
    return kLeads[static_cast<std::size_t>(rng.In(0, 7))];
}

// Integer linear factors (x - r) with roots in [-range, range], earlier roots repeated now and then.
Coeffs LinearFactors(Rng& rng, int count, std::int64_t range, Coeffs p) {
    std::vector<std::int64_t> roots;
    for (int i = 0; i < count; ++i) {
        const std::int64_t r =
            !roots.empty() && rng.Chance(35)
                ? roots[static_cast<std::size_t>(rng.In(0, static_cast<std::int64_t>(roots.size()) - 1))]
                : rng.In(-range, range);
        roots.push_back(r);
        p = Mul(p, {-r, 1});
    }
    return p;
}

// q x - p with a non-whole zero p / q in lowest terms.
Coeffs RationalFactor(Rng& rng) {
    for (;;) {
        const std::int64_t q = rng.In(2, 5);
        const std::int64_t p = rng.In(-7, 7);
        if (std::gcd(p, q) == 1 && p % q != 0) {
            return {-p, q};
        }
    }
}

// a x^2 + b x + c without a rational zero: complex zeros or two irrational ones.
Coeffs IrreducibleQuadratic(Rng& rng) {
    for (;;) {
        const std::int64_t a = rng.Chance(75) ? 1 : 2;
        const std::int64_t b = rng.In(-6, 6);
        const std::int64_t c = rng.In(-9, 9);
        const std::int64_t disc = b * b - 4 * a * c;
        if (c == 0) {
            continue;
        }
        std::int64_t s = 0;
        while ((s + 1) * (s + 1) <= disc) {
            ++s;
        }
        if (disc < 0 || s * s != disc) {
            return {c, b, a};
        }
    }
}

void IntegerProducts(Rng& rng, std::vector<TestPolynomial>& out, int n) {
    for (int made = 0; made < n;) {
        const int degree = static_cast<int>(rng.In(3, 5));
        made += Accept(LinearFactors(rng, degree, 5, {Lead(rng)}), out, "ganzzahlige Linearfaktoren") ? 1 : 0;
    }
}

void RationalProducts(Rng& rng, std::vector<TestPolynomial>& out, int n) {
    for (int made = 0; made < n;) {
        const int degree = static_cast<int>(rng.In(3, 5));
        Coeffs p{rng.Chance(80) ? 1 : -1};
        int used = 0;
        const int rational = static_cast<int>(rng.In(1, 2));
        for (int i = 0; i < rational; ++i, ++used) {
            const Coeffs r = RationalFactor(rng);
            p = Mul(p, r);
            if (used + 1 < degree && rng.Chance(25)) { // a repeated rational zero
                p = Mul(p, r);
                ++used;
            }
        }
        p = LinearFactors(rng, degree - used, 4, p);
        made += Accept(p, out, "rationale Nullstellen") ? 1 : 0;
    }
}

void QuadraticProducts(Rng& rng, std::vector<TestPolynomial>& out, int n) {
    for (int made = 0; made < n;) {
        const int degree = static_cast<int>(rng.In(3, 5));
        Coeffs p = IrreducibleQuadratic(rng);
        int used = 2;
        if (degree >= 4 && rng.Chance(40)) {
            // another quadratic, or the same once more: double irrational or complex zeros
            p = Mul(p, rng.Chance(35) ? p : IrreducibleQuadratic(rng));
            used += 2;
        }
        if (used < degree && rng.Chance(30)) {
            p = Mul(p, RationalFactor(rng));
            ++used;
        }
        p = LinearFactors(rng, degree - used, 4, Mul(p, {Lead(rng)}));
        made += Accept(p, out, "irreduzible quadratische Faktoren") ? 1 : 0;
    }
}

void RandomSmall(Rng& rng, std::vector<TestPolynomial>& out, int n) {
    for (int made = 0; made < n;) {
        const auto degree = static_cast<std::size_t>(rng.In(3, 5));
        Coeffs p(degree + 1, 0);
        for (auto& c : p) {
            c = rng.Chance(25) ? 0 : rng.In(-10, 10);
        }
        made += Accept(p, out, "kleine Zufallskoeffizienten") ? 1 : 0;
    }
}

std::int64_t NearLimit(Rng& rng) {
    const std::int64_t m = kLimit - rng.In(0, 1 << 20);
    return rng.Chance(50) ? m : -m;
}

void LargeCoefficients(Rng& rng, std::vector<TestPolynomial>& out, int n) {
    const std::string family = "große Koeffizienten";
    for (int made = 0; made < n;) {
        const auto degree = static_cast<std::size_t>(rng.In(3, 5));
        Coeffs p(degree + 1, 0);
        switch (made % 5) {
        case 0: // every coefficient near the limit, some left out
            for (auto& c : p) {
                c = rng.Chance(20) ? 0 : NearLimit(rng);
            }
            p.back() = NearLimit(rng);
            break;
        case 1: { // a small product stretched up to the limit
            p = LinearFactors(rng, static_cast<int>(degree), 6, {1});
            std::int64_t biggest = 1;
            for (const auto c : p) {
                biggest = std::max(biggest, c < 0 ? -c : c);
            }
            const std::int64_t k = kLimit / biggest - rng.In(0, 3);
            for (auto& c : p) {
                c *= k > 0 ? k : 1;
            }
            break;
        }
        case 2: { // one far zero
            const std::int64_t far = rng.In(1000, 2000000) * (rng.Chance(50) ? 1 : -1);
            p = LinearFactors(rng, static_cast<int>(degree) - 1, 3, {-far, 1});
            break;
        }
        case 3: // one huge coefficient, the others small
            for (auto& c : p) {
                c = rng.In(-10, 10);
            }
            p[static_cast<std::size_t>(rng.In(0, static_cast<std::int64_t>(degree)))] = NearLimit(rng);
            if (p.back() == 0) {
                p.back() = 1;
            }
            break;
        default: // anything in range
            for (auto& c : p) {
                c = rng.In(-kLimit, kLimit);
            }
            break;
        }
        made += Accept(p, out, family) ? 1 : 0;
    }
}

// The example terms of the main window and the worked examples of the report sections.
void NamedCases(std::vector<TestPolynomial>& out) {
    const std::vector<Coeffs> cases{
        {0, 1, 0, 1, 0, 1},
        {0, -180, 138, -36, 3},
        {0, 0, 0, -20, 0, 4},
        {-32, 0, 0, 0, 0, 1},
        {-4, 16, -25, 19, -7, 1},
        {12, -28, 17, 3, -5, 1},
        {0, 0, -15, 23, -9, 1},
        {1, -180, 138, -36, 3},
        {-12, 40, -51, 31, -9, 1},
        {0, 0, -6, 1},
        {0, 0, 0, 1},
        {0, 0, 3, 1},
        {0, 0, 0, -2, 1},
        {0, 0, 0, 1, 15},
        {72, -96, 26, -2},
        {0, 2, -7, 8, -3},
        {-6, -11, -4, 1},
        {0, 0, 0, 0, 1},
        {1, 1, 0, 0, 1},
        {64, 0, 0, 0, 0, 2},
        {-1, 1, 0, 0, 0, 1},
        {1, 1, 0, 1},
        {-2147483647, 0, 0, 0, 0, 2147483644},
    };
    for (const auto& c : cases) {
        Accept(c, out, "Beispiele");
    }
}

} // namespace

std::string TermText(const std::array<std::int64_t, 6>& coeff) {
    std::string t;
    for (int k = 5; k >= 0; --k) {
        const std::int64_t c = coeff[static_cast<std::size_t>(k)];
        if (c == 0) {
            continue;
        }
        t += c < 0 ? "-" : (t.empty() ? "" : "+");
        const std::int64_t a = c < 0 ? -c : c;
        if (a != 1 || k == 0) {
            t += quadrova::Str(a);
        }
        if (k >= 1) {
            t += k == 1 ? "x" : "x^" + quadrova::Str(static_cast<std::int64_t>(k));
        }
    }
    return t;
}

std::vector<TestPolynomial> ClaimPolynomials() {
    std::vector<TestPolynomial> out;
    Rng rng(20240611);
    NamedCases(out);
    IntegerProducts(rng, out, 500);
    RationalProducts(rng, out, 400);
    QuadraticProducts(rng, out, 400);
    RandomSmall(rng, out, 500);
    LargeCoefficients(rng, out, 300);
    return out;
}

} // namespace claims
