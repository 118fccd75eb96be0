#include "claims_exact.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace claims {

QPoly Trimmed(QPoly p) {
    while (!p.empty() && sgn(p.back()) == 0) {
        p.pop_back();
    }
    return p;
}

int Degree(const QPoly& p) {
    return static_cast<int>(p.size()) - 1;
}

QPoly Derivative(const QPoly& p) {
    QPoly d;
    for (std::size_t k = 1; k < p.size(); ++k) {
        d.push_back(p[k] * static_cast<unsigned long>(k));
    }
    return Trimmed(d);
}

mpq_class Eval(const QPoly& p, const mpq_class& x) {
    mpq_class s = 0;
    for (auto it = p.rbegin(); it != p.rend(); ++it) {
        s = s * x + *it;
    }
    return s;
}

int SignAt(const QPoly& p, const mpq_class& x) {
    return sgn(Eval(p, x));
}

void DivMod(const QPoly& a, const QPoly& b, QPoly& quot, QPoly& rem) {
    rem = a;
    quot.clear();
    const int db = Degree(b);
    if (Degree(a) < db) {
        return;
    }
    quot.assign(static_cast<std::size_t>(Degree(a) - db + 1), mpq_class(0));
    while (Degree(rem) >= db) {
        const auto shift = static_cast<std::size_t>(Degree(rem) - db);
        const mpq_class c = rem.back() / b.back();
        quot[shift] = c;
        for (std::size_t k = 0; k < b.size(); ++k) {
            rem[shift + k] -= c * b[k];
        }
        rem.pop_back(); // the leading term cancels exactly
        rem = Trimmed(std::move(rem));
    }
}

static QPoly Monic(QPoly p) {
    if (!p.empty()) {
        const mpq_class lead = p.back();
        for (auto& c : p) {
            c /= lead;
        }
    }
    return p;
}

QPoly Gcd(QPoly a, QPoly b) {
    a = Trimmed(std::move(a));
    b = Trimmed(std::move(b));
    while (!b.empty()) {
        QPoly q, r;
        DivMod(a, b, q, r);
        a = std::move(b);
        b = std::move(r);
    }
    return Monic(std::move(a));
}

QPoly Quotient(const QPoly& a, const QPoly& b) {
    QPoly q, r;
    DivMod(a, b, q, r);
    return q;
}

QPoly SquareFree(const QPoly& p) {
    if (Degree(p) <= 0) {
        return Monic(p);
    }
    return Monic(Quotient(p, Gcd(p, Derivative(p))));
}

namespace {

// Sturm sequence of a square-free polynomial: V(a) - V(b) is the number of its zeros in (a, b].
class Sturm {
public:
    explicit Sturm(const QPoly& q) {
        seq_.push_back(q);
        seq_.push_back(Derivative(q));
        while (!seq_.back().empty() && Degree(seq_.back()) > 0) {
            QPoly quot, rem;
            DivMod(seq_[seq_.size() - 2], seq_.back(), quot, rem);
            for (auto& c : rem) {
                c = -c;
            }
            if (rem.empty()) {
                break;
            }
            seq_.push_back(std::move(rem));
        }
    }

    int Variations(const mpq_class& x) const {
        int changes = 0;
        int last = 0;
        for (const auto& p : seq_) {
            const int s = SignAt(p, x);
            if (s != 0) {
                if (last != 0 && s != last) {
                    ++changes;
                }
                last = s;
            }
        }
        return changes;
    }

private:
    std::vector<QPoly> seq_;
};

class Isolator {
public:
    Isolator(const QPoly& q, std::vector<RealRoot>& out) : q_(q), sturm_(q), out_(out) {}

    void Run() {
        // Cauchy's bound: every zero lies strictly inside (-B, B).
        mpq_class bound = 0;
        for (std::size_t k = 0; k + 1 < q_.size(); ++k) {
            bound = std::max(bound, mpq_class(abs(q_[k] / q_.back())));
        }
        bound += 1;
        const mpz_class whole = bound.get_num() / bound.get_den() + 1;
        const mpq_class a = -mpq_class(whole);
        const mpq_class b = mpq_class(whole);
        Split(a, b, sturm_.Variations(a) - sturm_.Variations(b));
    }

private:
    void Split(const mpq_class& a, const mpq_class& b, int n) {
        if (n <= 0) {
            return;
        }
        if (n == 1) {
            Emit(a, b);
            return;
        }
        const mpq_class m = (a + b) / 2;
        const int left = sturm_.Variations(a) - sturm_.Variations(m);
        Split(a, m, left);
        Split(m, b, n - left);
    }

    // The one zero in (a, b].
    void Emit(mpq_class a, mpq_class b) {
        RealRoot r;
        r.q = q_;
        if (SignAt(q_, b) == 0) {
            r.lo = r.hi = b;
            out_.push_back(r);
            return;
        }
        // a may be the zero of the neighbouring interval: move it inside until q(a) != 0.
        while (SignAt(q_, a) == 0) {
            const mpq_class m = (a + b) / 2;
            if (SignAt(q_, m) == 0) {
                r.lo = r.hi = m;
                out_.push_back(r);
                return;
            }
            if (sturm_.Variations(a) - sturm_.Variations(m) == 1) {
                b = m;
            } else {
                a = m;
            }
        }
        r.lo = a;
        r.hi = b;
        out_.push_back(r);
    }

    const QPoly& q_;
    Sturm sturm_;
    std::vector<RealRoot>& out_;
};

} // namespace

void RealRoot::Refine() {
    if (Exact()) {
        return;
    }
    const mpq_class m = Mid();
    const int sm = SignAt(q, m);
    if (sm == 0) {
        lo = hi = m;
    } else if (sm == SignAt(q, lo)) {
        lo = m;
    } else {
        hi = m;
    }
}

void RealRoot::RefineTo(const mpq_class& width) {
    while (hi - lo > width) {
        Refine();
    }
}

std::vector<RealRoot> IsolateRealRoots(const QPoly& p) {
    std::vector<RealRoot> out;
    const QPoly q = SquareFree(p);
    if (Degree(q) >= 1) {
        Isolator(q, out).Run();
    }
    return out;
}

// Located to 1e-14 relative precision: the interval must not contain 0 (a zero at 0 is exact).
static bool FineEnough(const RealRoot& r) {
    if (r.Exact()) {
        return true;
    }
    if (sgn(r.lo) * sgn(r.hi) <= 0) {
        return false;
    }
    const mpq_class nearer = std::min(mpq_class(abs(r.lo)), mpq_class(abs(r.hi)));
    return mpq_class(r.hi - r.lo) * 100000000000000L <= nearer;
}

double Approx(RealRoot& r) {
    while (!FineEnough(r)) {
        r.Refine();
    }
    // A whole zero is worth knowing exactly.
    mpz_class w = r.Mid().get_num() / r.Mid().get_den() - 1;
    for (int k = -1; k <= 1; ++k, ++w) {
        const mpq_class cand(w);
        if (r.lo <= cand && cand <= r.hi && SignAt(r.q, cand) == 0) {
            r.lo = r.hi = cand;
        }
    }
    return r.Mid().get_d();
}

bool SignChangesAt(const QPoly& p, RealRoot r) {
    if (r.Exact()) {
        // A rational zero: count how often (x - r) divides p.
        const QPoly lin{-r.lo, mpq_class(1)};
        QPoly rest = p;
        int mult = 0;
        for (;;) {
            QPoly quot, rem;
            DivMod(rest, lin, quot, rem);
            if (!rem.empty()) {
                break;
            }
            ++mult;
            rest = std::move(quot);
        }
        return mult % 2 == 1;
    }
    // Inside the isolating interval of the square-free part, p has no other zero.
    return SignAt(p, r.lo) != SignAt(p, r.hi);
}

namespace {

// Refines neighbouring intervals until every interval lies strictly left of the next one.
void SeparateSorted(std::vector<CriticalPoint>& pts) {
    bool again = true;
    while (again) {
        again = false;
        std::sort(pts.begin(), pts.end(),
                  [](const CriticalPoint& a, const CriticalPoint& b) { return a.root.Mid() < b.root.Mid(); });
        for (std::size_t k = 0; k + 1 < pts.size() && !again; ++k) {
            auto& a = pts[k].root;
            auto& b = pts[k + 1].root;
            // Distinct zeros: refining ends with one interval strictly left of the other; if the
            // order was wrong, the next sort puts it right.
            while (a.hi >= b.lo && b.hi >= a.lo) {
                a.Refine();
                b.Refine();
            }
            if (b.hi < a.lo) {
                again = true;
            }
        }
    }
}

} // namespace

ExactCurve Analyse(const std::array<std::int64_t, 6>& coeff) {
    ExactCurve c;
    QPoly f;
    for (const auto v : coeff) {
        f.emplace_back(mpz_class(static_cast<long>(v)));
    }
    c.d[0] = Trimmed(f);
    for (std::size_t i = 1; i < c.d.size(); ++i) {
        c.d[i] = Derivative(c.d[i - 1]);
    }
    for (std::size_t i = 0; i < c.zeros.size(); ++i) {
        for (auto& r : IsolateRealRoots(c.d[i])) {
            c.zeros[i].push_back(Approx(r));
            c.changes[i].push_back(SignChangesAt(c.d[i], r));
        }
    }

    // The zeros of f, f', f'' split by which of the three vanish there: for each non-empty subset m,
    // the gcd of the square-free parts in m with the common zeros of the others divided out.
    std::array<QPoly, 3> sf;
    for (std::size_t i = 0; i < 3; ++i) {
        sf[i] = SquareFree(c.d[i]);
    }
    for (int mask = 1; mask < 8; ++mask) {
        QPoly q;
        bool first = true;
        for (std::size_t i = 0; i < 3; ++i) {
            if ((mask >> i) & 1) {
                q = first ? sf[i] : Gcd(q, sf[i]);
                first = false;
            }
        }
        for (std::size_t i = 0; i < 3 && Degree(q) >= 1; ++i) {
            if (!((mask >> i) & 1) && !sf[i].empty()) {
                q = Monic(Quotient(q, Gcd(q, sf[i])));
            }
        }
        if (Degree(q) < 1) {
            continue;
        }
        for (auto& r : IsolateRealRoots(q)) {
            CriticalPoint p;
            p.root = r;
            for (std::size_t i = 0; i < 3; ++i) {
                p.zero[i] = ((mask >> i) & 1) != 0;
            }
            c.crit.push_back(std::move(p));
        }
    }
    SeparateSorted(c.crit);

    const std::size_t n = c.crit.size();
    for (std::size_t k = 0; k < n; ++k) {
        auto& p = c.crit[k];
        const mpq_class leftPoint =
            k == 0 ? mpq_class(p.root.lo - 1) : mpq_class((c.crit[k - 1].root.hi + p.root.lo) / 2);
        const mpq_class rightPoint =
            k + 1 == n ? mpq_class(p.root.hi + 1) : mpq_class((p.root.hi + c.crit[k + 1].root.lo) / 2);
        for (std::size_t i = 0; i < 3; ++i) {
            p.left[i] = SignAt(c.d[i], leftPoint);
            p.right[i] = SignAt(c.d[i], rightPoint);
            p.at[i] = p.zero[i] ? 0 : p.left[i];
        }
    }
    for (auto& p : c.crit) {
        p.x = Approx(p.root);
        p.fine = p.root.Mid();
    }
    return c;
}

} // namespace claims
