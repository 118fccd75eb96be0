#include "claims_check.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace claims {

namespace {

using quadrova::Str;

constexpr double kEps = std::numeric_limits<double>::epsilon();

// A printed set member is Str(Runden(z)): five decimals, then at most seven significant digits.
double SetTol(double z) {
    return 1e-5 + 1e-6 * std::fabs(z);
}

class Checker {
public:
    Checker(const RunFacts& f, Tally& t) : f_(f), c_(*f.curve), r_(*f.report), t_(t) {}

    void Run() {
        ++t_.reports;
        if (!r_.error.empty()) {
            Claim("Aufbau des Berichts", false, r_.error);
            return;
        }
        CheckSchoolPart();
        const bool incomplete = std::any_of(r_.school.begin(), r_.school.end(), [](const Summary& s) {
            return s.kind == SetKind::Subset || s.kind == SetKind::Unsolved;
        });
        Claim("Weg zur Näherung", f_.asked == incomplete && r_.incompleteHeading == incomplete,
              "question asked " + Yes(f_.asked) + ", heading incomplete " + Yes(r_.incompleteHeading) +
                  ", some equation open " + Yes(incomplete));
        if (incomplete) {
            Claim("Weg zur Näherung", f_.answer ? r_.approximation : r_.notice,
                  "after the answer the report goes on as it should");
        }
        if (r_.approximation) {
            CheckPartialCriticalPoints();
            CheckApproximationRows();
        }
        if (r_.hasDiscussion) {
            CheckDiscussion(r_.discussion);
        }
    }

private:
    static std::string Yes(bool b) { return b ? "yes" : "no"; }

    bool Claim(const std::string& family, bool holds, const std::string& detail) {
        ++t_.claims;
        ++t_.claimsByFamily[family];
        if (!holds) {
            ++t_.falseByFamily[family];
            t_.discrepancies.push_back(f_.term + ": " + family + ": " + detail);
        }
        return holds;
    }
    void Behaviour(const std::string& name) { ++t_.behaviours[name]; }

    // Sum of |c_k| |x|^k of f^(i): scale of the rounding error of evaluating f^(i) in doubles.
    double Scale(int i, double x) const {
        double s = 0;
        double p = 1;
        for (const auto& c : c_.d[static_cast<std::size_t>(i)]) {
            s += std::fabs(c.get_d()) * p;
            p *= std::fabs(x);
        }
        return s;
    }
    // What evaluating f^(i) in doubles at a point known to `dx` may be off by.
    double EvalErr(int i, double x, double dx) const {
        const double slope = i + 1 < 6 ? std::fabs(c_.Value(i + 1, mpq_class(x))) : 0.0;
        return 16 * kEps * Scale(i, x) + slope * dx * 2;
    }

    // A member printed through Runden: within 1e-5 (or 7 significant digits) of the true value z.
    bool MemberMatches(double m, double z) {
        const double d = std::fabs(m - z);
        if (d <= 1e-5) {
            return true;
        }
        if (d <= SetTol(z)) {
            Behaviour("Mitglied nur auf 7 gültige Ziffern genau (Str)");
            return true;
        }
        if (m == 0 && std::fabs(z) < 0.001) {
            Behaviour("Runden druckt einen Betrag unter 0.001 als 0");
            return true;
        }
        return false;
    }

    // A complete set: as many members as true values, each matching the one in its place.
    void CompleteSet(const std::string& family, const SetText& s, const std::vector<double>& exact,
                     const std::string& what) {
        const std::vector<double> truth = NearEqualMerged(exact);
        if (!Claim(family, !s.allReals && s.members.size() == truth.size(),
                   what + ": " + Str(static_cast<std::int64_t>(s.members.size())) + " members for " +
                       Str(static_cast<std::int64_t>(truth.size())) + " true values")) {
            return;
        }
        for (std::size_t k = 0; k < truth.size(); ++k) {
            Claim(family, MemberMatches(s.members[k].value, truth[k]),
                  what + ": member " + s.members[k].text + " for the true " + Str(truth[k]));
        }
    }

    // Every member matches a true value, no two the same one; returns the true values matched.
    // Members are matched in ascending order, each to the nearest true value not taken yet.
    std::vector<double> SubsetOf(const std::string& family, const SetText& s,
                                 const std::vector<double>& truth, const std::string& what) {
        std::vector<bool> used(truth.size(), false);
        std::vector<double> matched;
        for (const auto& m : s.members) {
            std::size_t best = truth.size();
            for (std::size_t k = 0; k < truth.size(); ++k) {
                if (!used[k] && (best == truth.size() ||
                                 std::fabs(truth[k] - m.value) < std::fabs(truth[best] - m.value))) {
                    best = k;
                }
            }
            const bool ok = best < truth.size() && MemberMatches(m.value, truth[best]);
            if (Claim(family, ok, what + ": member " + m.text + " is no true value (or stands twice)")) {
                used[best] = true;
                matched.push_back(truth[best]);
            }
        }
        return matched;
    }

    // The program counts members within 1e-6 * max(1, |x|) of each other as one (a decision that
    // keeps a double zero found twice with rounding error from standing twice); the true values
    // reduced the same way.
    static bool NearEqual(double kept, double z) { return z - kept <= 1e-6 * std::max(1.0, std::fabs(kept)); }
    static std::vector<double> Merged(const std::vector<double>& truth) {
        std::vector<double> kept;
        for (const double z : truth) {
            if (kept.empty() || !NearEqual(kept.back(), z)) {
                kept.push_back(z);
            }
        }
        return kept;
    }
    std::vector<double> NearEqualMerged(const std::vector<double>& truth) {
        std::vector<double> kept = Merged(truth);
        if (kept.size() != truth.size()) {
            Behaviour("verschiedene Werte näher als 1e-6 * max(1, |x|) als einer gezählt");
        }
        return kept;
    }

    static std::string SetString(const SetText& s) {
        if (s.allReals) {
            return "ganz R";
        }
        std::string t = "{";
        for (const auto& m : s.members) {
            t += (t.size() > 1 ? ", " : "") + m.text;
        }
        return t + "}";
    }

    void CheckSchoolPart() {
        static constexpr std::array<const char*, 4> kWhat{"f", "f'", "f''", "f'''"};
        for (std::size_t i = 0; i < 4; ++i) {
            const Summary& s = r_.school[i];
            const std::string what = std::string("zeros of ") + kWhat[i];
            switch (s.kind) {
            case SetKind::Complete:
                CompleteSet("Lösungsmenge vollständig", s.set, c_.zeros[i], what);
                break;
            case SetKind::AllReals:
                Claim("Lösungsmenge vollständig", c_.d[i].empty(), what + ": every real number claimed");
                break;
            case SetKind::Subset:
                SubsetOf("Teilmenge der Lösungsmenge", s.set, c_.zeros[i], what);
                break;
            case SetKind::Unsolved:
                break;
            }
            // The summary line N(i) repeats the set of the equation.
            const std::string expected = s.kind == SetKind::AllReals   ? "ganz R"
                                         : s.kind == SetKind::Unsolved ? "{}"
                                                                       : SetString(s.set);
            Claim("Zusammenfassung N(i)", SetString(r_.schoolN[i]) == expected,
                  "N(" + Str(static_cast<std::int64_t>(i)) + ") = " + SetString(r_.schoolN[i]) +
                      " but the equation said " + expected);
        }
    }

    std::vector<double> CritValues() const {
        std::vector<double> v;
        for (const auto& p : c_.crit) {
            v.push_back(p.x);
        }
        return v;
    }

    void Inside(const std::string& family, const Number& left, const Number& right,
                const std::vector<double>& pts) {
        for (const double x : pts) {
            Claim(family, left.value < x && x < right.value,
                  "the critical point " + Str(x) + " lies outside [ " + left.text + "; " + right.text + " ]");
        }
    }

    void CheckPartialCriticalPoints() {
        const std::vector<double> pts = SubsetOf("Teilmenge kritischer Stellen", r_.partialCrit, CritValues(),
                                                 "critical points found by school means");
        Inside("Intervall", r_.partialLeft, r_.partialRight, pts);
    }

    // N(0) to N(3) of the approximation path: every true zero once, within 1e-6.
    void CheckApproximationRows() {
        for (int i = 0; i < 4; ++i) {
            const auto& row = f_.state->Nullstellen[static_cast<std::size_t>(i)];
            const auto& truth = c_.zeros[static_cast<std::size_t>(i)];
            const auto& change = c_.changes[static_cast<std::size_t>(i)];
            const int n = static_cast<int>(row[0]);
            std::vector<int> hits(truth.size(), 0);
            const std::string what = "N(" + Str(static_cast<std::int64_t>(i)) + ") of the approximation";
            for (int k = 1; k <= n && k < 7; ++k) {
                const double z = row[static_cast<std::size_t>(k)];
                std::size_t hit = truth.size();
                for (std::size_t j = 0; j < truth.size(); ++j) {
                    if (std::fabs(z - truth[j]) <= 1e-6 * std::max(1.0, std::fabs(truth[j]))) {
                        hit = j;
                    }
                }
                if (hit < truth.size()) {
                    ++hits[hit];
                    continue;
                }
                // The split point test counts |f^(i)| < 0.0001 as a zero.
                if (std::fabs(c_.Value(i, mpq_class(z))) < 1e-4) {
                    Behaviour("Teilungspunkt mit |f^(i)| < 0.0001 als Nullstelle genommen");
                    missed_ = true;
                } else {
                    Claim("N(i) der Näherung", false, what + ": " + Str(z) + " is no zero");
                }
            }
            for (std::size_t j = 0; j < truth.size(); ++j) {
                if (hits[j] == 0 &&
                    ((j > 0 && hits[j - 1] > 0 && NearEqual(truth[j - 1], truth[j])) ||
                     (j + 1 < truth.size() && hits[j + 1] > 0 && NearEqual(truth[j], truth[j + 1])))) {
                    Behaviour("verschiedene Werte näher als 1e-6 * max(1, |x|) als einer gezählt");
                    continue;
                }
                if (hits[j] == 0 && !change[j]) {
                    Behaviour(
                        "Nullstelle gerader Vielfachheit verfehlt (|f^(i)| am Teilungspunkt >= 0.0001)");
                    missed_ = true;
                    continue;
                }
                Claim("N(i) der Näherung", hits[j] == 1,
                      what + ": the zero " + Str(truth[j]) + " found " +
                          Str(static_cast<std::int64_t>(hits[j])) + " times");
            }
            SubsetOf("N(i) der Näherung", r_.approxN[static_cast<std::size_t>(i)], truth,
                     what + " (printed)");
        }
    }

    // The value v as the text of a number cell shows it.
    bool CellShows(const std::string& text, double v, double extra) {
        if (text.find('#') != std::string::npos) {
            Behaviour("Tabellenzelle ###### (Wert passt nicht in 6 Zeichen)");
            return true;
        }
        const Number n = ReadNumber(text);
        if (!n.ok) {
            return false;
        }
        double unit = 1;
        const auto e = text.find('e');
        const std::string mant = text.substr(0, e);
        const auto dot = mant.find('.');
        const int decimals = dot == std::string::npos ? 0 : static_cast<int>(mant.size() - dot - 1);
        unit = std::pow(10.0, -decimals);
        if (e != std::string::npos) {
            unit *= std::pow(10.0, ReadNumber(text.substr(e + 1)).value);
        }
        if (text == "0") {
            return std::fabs(v) < 1e-4 + extra;
        }
        // A text shorter than the cell was not cut: it is the value to seven significant digits.
        if (text.size() < 6 && e == std::string::npos) {
            unit = 1e-6 * std::fabs(v);
        }
        return std::fabs(n.value - v) <= unit + extra + 1e-12;
    }

    bool RundenShows(const Number& n, double v, double extra) {
        if (n.value == 0 && std::fabs(v) < 0.001 + extra) {
            return true;
        }
        return std::fabs(n.value - v) <= 1e-5 + 1e-6 * std::fabs(v) + extra;
    }

    void CheckDiscussion(const Discussion& d) {
        const auto& crit = c_.crit;
        const std::vector<double> truth = CritValues();
        // On the approximation path a missed zero of even multiplicity (counted above) also leaves
        // its critical point out; the sections built on the points then describe another list.
        if (missed_ && d.crit.members.size() != truth.size()) {
            Behaviour("Bericht mit verfehlter Nullstelle: Tabellen und Beschreibung nicht geprüft");
            return;
        }
        CompleteSet("Kritische Stellen", d.crit, truth, "critical points");
        Inside("Intervall", d.left, d.right, truth);
        if (d.crit.members.size() != truth.size()) {
            if (d.crit.members.size() == Merged(truth).size()) {
                Behaviour("Bericht mit zusammengelegten kritischen Stellen: Tabellen und Beschreibung nicht "
                          "geprüft");
            }
            return;
        }
        const std::size_t n = truth.size();
        // The ends are printed with seven digits; the tables and the description use the ends
        // themselves, so they are held against the values at the ends the run used.
        const double left = f_.state->xlinks;
        const double right = f_.state->xrechts;
        Claim("Intervall",
              std::fabs(d.left.value - left) <= 1e-6 * std::fabs(left) &&
                  std::fabs(d.right.value - right) <= 1e-6 * std::fabs(right),
              "interval [ " + d.left.text + "; " + d.right.text + " ] printed for [ " + Str(left) + "; " +
                  Str(right) + " ]");
        // Columns: left end, the critical points, right end; with their exact signs and values.
        std::vector<double> xs{left};
        xs.insert(xs.end(), truth.begin(), truth.end());
        xs.push_back(right);
        const double dx = r_.approximation ? 1e-8 : 1e-9;

        auto signOf = [&](std::size_t col, int i) {
            if (col == 0 || col == n + 1) {
                return c_.Sign(i, xs[col]);
            }
            return crit[col - 1].at[static_cast<std::size_t>(i)];
        };
        auto valueOf = [&](std::size_t col, int i) {
            return col == 0 || col == n + 1 ? c_.Value(i, mpq_class(xs[col]))
                                            : c_.Value(i, crit[col - 1].fine);
        };
        auto pointErr = [&](std::size_t col) {
            return col == 0 || col == n + 1 ? 0.0 : dx * std::max(1.0, std::fabs(xs[col]));
        };

        CheckSignTable(d, xs, signOf, valueOf, pointErr);
        CheckValueTable(d, xs, valueOf, pointErr);
        CheckDescription(d, xs, valueOf, pointErr);
    }

    template <class SignOf, class ValueOf, class PointErr>
    void CheckSignTable(const Discussion& d, const std::vector<double>& xs, SignOf signOf, ValueOf valueOf,
                        PointErr pointErr) {
        const std::string family = "Vorzeichentabelle";
        if (!Claim(family, d.signX.size() == xs.size(), "wrong number of columns")) {
            return;
        }
        static constexpr std::array<const char*, 3> kRow{"f", "f'", "f''"};
        for (std::size_t col = 0; col < xs.size(); ++col) {
            Claim(family, CellShows(CellText(d.signX[col]), xs[col], pointErr(col)),
                  "x cell " + d.signX[col] + " for " + Str(xs[col]));
            for (int i = 0; i < 3; ++i) {
                const std::string& cell = d.signRows[static_cast<std::size_t>(i)].at(col);
                const int shown = cell == "+++++++++"   ? 1
                                  : cell == "---------" ? -1
                                  : cell == "____||___" ? 0
                                                        : 9;
                const int truth = signOf(col, i);
                if (shown != truth && truth != 0 &&
                    std::fabs(valueOf(col, i)) <= EvalErr(i, xs[col], pointErr(col))) {
                    Behaviour("Vorzeichen eines Werts im Rundungsfehler der Auswertung");
                    continue;
                }
                Claim(family, shown == truth,
                      std::string(kRow[static_cast<std::size_t>(i)]) + " at " + Str(xs[col]) + " shows " +
                          cell + ", true sign " + Str(static_cast<std::int64_t>(truth)));
            }
        }
    }

    template <class ValueOf, class PointErr>
    void CheckValueTable(const Discussion& d, const std::vector<double>& xs, ValueOf valueOf,
                         PointErr pointErr) {
        const std::string family = "Wertetabelle";
        if (!Claim(family,
                   d.valueX.size() == xs.size() && d.valueRows[0].size() == xs.size() &&
                       d.valueRows[1].size() == xs.size(),
                   "wrong number of columns")) {
            return;
        }
        for (std::size_t col = 0; col < xs.size(); ++col) {
            Claim(family, CellShows(CellText(d.valueX[col]), xs[col], pointErr(col)),
                  "x cell " + d.valueX[col] + " for " + Str(xs[col]));
            for (int i = 0; i < 2; ++i) {
                const double v = valueOf(col, i);
                const std::string& cell = d.valueRows[static_cast<std::size_t>(i)][col];
                Claim(family, CellShows(CellText(cell), v, EvalErr(i, xs[col], pointErr(col))),
                      std::string(i == 0 ? "f" : "f'") + " at " + Str(xs[col]) + " shows " + cell +
                          ", true " + Str(v));
            }
        }
    }

    // The kind words that the exact signs on both sides of a critical point call for.
    static std::string KindWords(const CriticalPoint& p) {
        int sum = 0;
        if (p.zero[0]) {
            sum += p.left[0] != p.right[0] ? 4 : 32;
        }
        if (p.zero[1]) {
            sum += p.left[1] == p.right[1] ? 2 : (p.left[1] > 0 ? 8 : 16);
        }
        if (p.zero[2] && p.left[2] != p.right[2]) {
            sum += 1;
        }
        switch (sum) {
        case 1:
            return "Wendepunkt ";
        case 3:
            return "Sattelpunkt ";
        case 4:
            return "Nullpunkt ";
        case 5:
            return "Null- und Wendepunkt ";
        case 7:
            return "Null- und Sattelpunkt ";
        case 8:
            return "lokalen Hochpunkt ";
        case 16:
            return "lokalen Tiefpunkt ";
        case 40:
            return "Nullpunkt und lokalen Hochpunkt ";
        case 48:
            return "Nullpunkt und lokalen Tiefpunkt ";
        default:
            return "";
        }
    }

    template <class ValueOf, class PointErr>
    void CheckDescription(const Discussion& d, const std::vector<double>& xs, ValueOf valueOf,
                          PointErr pointErr) {
        const std::size_t n = c_.crit.size();
        Claim("Beschreibung: Intervall", d.descLeft.text == d.left.text && d.descRight.text == d.right.text,
              "heading interval differs from the interval line");
        if (!Claim("Beschreibung: Punktart", d.points.size() == n, "number of point lines")) {
            return;
        }
        CheckEnd(d.start, xs.front(), 'A', true);
        CheckEnd(d.end, xs.back(), static_cast<char>('A' + n + 1), false);
        for (std::size_t k = 0; k < n; ++k) {
            const PointLine& line = d.points[k];
            const CriticalPoint& p = c_.crit[k];
            const std::size_t col = k + 1;
            const std::string at = " at " + Str(p.x) + " (" + line.label + ")";
            Claim("Beschreibung: Koordinaten",
                  line.label == static_cast<char>('B' + k) &&
                      std::fabs(line.x.value - p.x) <= 1e-6 * std::fabs(p.x) + pointErr(col) + 1e-300 &&
                      RundenShows(line.y, valueOf(col, 0), EvalErr(0, p.x, pointErr(col))) &&
                      RundenShows(line.slope, valueOf(col, 1), EvalErr(1, p.x, pointErr(col))),
                  "point" + at + " printed as (" + line.x.text + " | " + line.y.text + " ) slope " +
                      line.slope.text);
            Claim("Beschreibung: steigt/fällt", line.movement == (p.left[1] < 0 ? "fällt " : "steigt "),
                  line.movement + at);
            Claim("Beschreibung: Krümmung",
                  line.turning == (p.left[2] < 0 ? "rechtsdrehend " : "linkksdrehend "), line.turning + at);
            const std::string kind = KindWords(p);
            Claim("Beschreibung: Punktart", line.kind == kind,
                  "\"" + line.kind + "\" instead of \"" + kind + "\"" + at);
            if (kind.empty() && p.zero[2]) {
                Behaviour("Nullstelle von f'' ohne Vorzeichenwechsel: Punkt ohne Art (richtig)");
            }
            if (p.zero[1] && p.left[1] != p.right[1]) {
                Claim("Extremum genannt",
                      line.kind.find(p.left[1] > 0 ? "Hochpunkt" : "Tiefpunkt") != std::string::npos,
                      "extremum not named" + at);
            }
            if (p.zero[2] && p.left[2] != p.right[2]) {
                Claim("Wendepunkt genannt",
                      line.kind.find("Wendepunkt") != std::string::npos ||
                          line.kind.find("Sattelpunkt") != std::string::npos,
                      "inflection point not named" + at);
            }
        }
    }

    void CheckEnd(const EndClause& e, double x, char label, bool start) {
        const std::string family = start ? "Beschreibung: Anfangspunkt" : "Beschreibung: Endpunkt";
        const mpq_class q(x);
        const int s1 = c_.Sign(1, x);
        const int s2 = c_.Sign(2, x);
        if (s1 == 0) {
            Behaviour(start ? "Steigung 0 am Anfang heißt steigend" : "Steigung 0 am Ende heißt fallend");
        }
        const std::string dir =
            start ? (s1 < 0 ? "fallend " : "steigend ") : (s1 > 0 ? "steigend " : "fallend ");
        Claim(family,
              e.label == label && std::fabs(e.x.value - x) <= 1e-6 * std::fabs(x) &&
                  e.turning == (s2 > 0 ? "linksdrehend " : "rechtsdrehend ") && e.direction == dir &&
                  RundenShows(e.y, c_.Value(0, q), EvalErr(0, x, 0)) &&
                  RundenShows(e.slope, c_.Value(1, q), EvalErr(1, x, 0)),
              std::string(1, e.label) + " ( " + e.x.text + " | " + e.y.text + " ) " + e.turning +
                  e.direction + "slope " + e.slope.text);
    }

    const RunFacts& f_;
    const ExactCurve& c_;
    const ParsedReport& r_;
    Tally& t_;
    bool missed_ = false;
};

} // namespace

void Tally::Merge(const Tally& o) {
    reports += o.reports;
    claims += o.claims;
    for (const auto& [k, v] : o.claimsByFamily) claimsByFamily[k] += v;
    for (const auto& [k, v] : o.falseByFamily) falseByFamily[k] += v;
    for (const auto& [k, v] : o.behaviours) behaviours[k] += v;
    discrepancies.insert(discrepancies.end(), o.discrepancies.begin(), o.discrepancies.end());
}

std::string Tally::Summary() const {
    auto num = [](long v) { return Str(static_cast<std::int64_t>(v)); };
    std::string s = "reports checked: " + num(reports) + ", claims checked: " + num(claims) +
                    ", false claims: " + num(static_cast<long>(discrepancies.size())) + "\n";
    for (const auto& [k, v] : claimsByFamily) {
        const auto it = falseByFamily.find(k);
        s += "  " + k + ": " + num(v) + " claims, " + num(it == falseByFamily.end() ? 0 : it->second) +
             " false\n";
    }
    s += "behaviours met and left as they are:\n";
    for (const auto& [k, v] : behaviours) {
        s += "  " + k + ": " + num(v) + "\n";
    }
    return s;
}

void CheckReport(const RunFacts& facts, Tally& tally) {
    Checker(facts, tally).Run();
}

} // namespace claims
