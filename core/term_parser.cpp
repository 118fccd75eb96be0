#include "core/term_parser.h"

#include "core/number_text.h"
#include "core/term_printing.h"

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quadrova {

namespace {

constexpr std::array<std::string_view, 6> kPotenz = {"1", "x", "x^2", "x^3", "x^4", "x^5"};

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}
bool istVorzeichen(char c) {
    return c == '+' || c == '-';
}

// Typographic characters that carry meaning in a typed term, and the ASCII they stand for.
struct Ersatz {
    std::string_view utf8, ascii;
};
constexpr std::array<Ersatz, 14> kErsatz = {{
    {"\u2212", "-"},
    {"\u2013", "-"},
    {"\u00B7", "*"},
    {"\u00D7", "*"},
    {"\u2070", "^0"},
    {"\u00B9", "^1"},
    {"\u00B2", "^2"},
    {"\u00B3", "^3"},
    {"\u2074", "^4"},
    {"\u2075", "^5"},
    {"\u2076", "^6"},
    {"\u2077", "^7"},
    {"\u2078", "^8"},
    {"\u2079", "^9"},
}};

// Upper-case X becomes the variable, and the typographic minus, dots and superscripts become the
// ASCII the parser understands, so that no character is dropped together with its meaning.
std::string Vereinheitlichen(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == 'X') {
            r += 'x';
            ++i;
            continue;
        }
        bool ersetzt = false;
        if (static_cast<unsigned char>(s[i]) >= 0x80) {
            for (const auto& e : kErsatz) {
                if (s.substr(i).starts_with(e.utf8)) {
                    r += e.ascii;
                    i += e.utf8.size();
                    ersetzt = true;
                    break;
                }
            }
        }
        if (!ersetzt) r += s[i++];
    }
    return r;
}

// Brackets, equations, decimal points and fractions cannot be expressed in the term language;
// dropping them would silently read another polynomial.
bool HatVerboteneZeichen(std::string_view s) {
    return s.find_first_of("()[]{}=,./:;") != std::string_view::npos;
}

// "x" directly followed by a digit.
bool XvorZiffer(std::string_view s) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == 'x' && istZiffer(s[i + 1])) return true;
    }
    return false;
}

// "*" between two digits: juxtaposed numbers would join into one.
bool SternZwischenZiffern(std::string_view s) {
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] == '*' && istZiffer(s[i - 1]) && istZiffer(s[i + 1])) return true;
    }
    return false;
}

// Every power sign must read x^d with exactly one digit d from 1 to 5.
bool PotenzzeichenFalsch(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '^') continue;
        if (i == 0 || s[i - 1] != 'x') return true;
        if (i + 1 >= s.size() || s[i + 1] < '1' || s[i + 1] > '5') return true;
        if (i + 2 < s.size() && istZiffer(s[i + 2])) return true;
    }
    return false;
}

// The value of one signed coefficient text; a term outside the 32-bit range fails the parse.
// Val reads whole numbers exactly up to 2^53, and its rounding cannot move a value across the
// (representable) limits, so the range test on the double is exact.
bool TermWert(std::string_view t, std::int64_t& wert) {
    const double v = Val(t);
    if (!(v >= static_cast<double>(INT32_MIN) && v <= static_cast<double>(INT32_MAX))) return false;
    wert = static_cast<std::int64_t>(v);
    return true;
}

// Peels off every term with the power text p, highest power first, each read leftwards from its
// power to its sign. Sums stay exact in 64 bits; the range of the sum is checked once at the end,
// so the outcome does not depend on the order of the terms.
void PotenzTermeLesen(AnalysisState& st, std::string& s, std::string_view p, std::int64_t& koeff, bool& ok) {
    // The text without the terms read so far is `vorn` followed by s from `weiter` on. Removing a
    // term joins a sign to what stood before it, which never forms a new power text, so the search
    // goes on from `weiter`, and no removal moves the rest of the text.
    std::string vorn;
    vorn.reserve(s.size());
    std::size_t weiter = 0;
    auto zeichen = [&](std::size_t v) { return v < vorn.size() ? vorn[v] : s[weiter + (v - vorn.size())]; };
    while (ok) {
        const std::size_t fund = s.find(p, weiter);
        if (fund == std::string::npos) break;
        Whilekontrolle(st, ok);
        const std::size_t q = vorn.size() + (fund - weiter); // position of the power text
        if (q == 0) {
            ok = false; // no sign in front of the term
            break;
        }
        std::size_t anfang = q - 1; // position of the term's sign
        std::int64_t wert = 0;
        const char c = zeichen(anfang);
        if (istVorzeichen(c)) {
            wert = c == '-' ? -1 : 1;
        } else {
            // Walk left over the coefficient's digits to its sign.
            std::string t(1, c);
            while (ok && !istVorzeichen(zeichen(anfang))) {
                Whilekontrolle(st, ok);
                if (anfang == 0) {
                    ok = false;
                    break;
                }
                --anfang;
                t.insert(t.begin(), zeichen(anfang));
            }
            if (!ok) break;
            if (!TermWert(t, wert)) {
                ok = false;
                break;
            }
        }
        koeff += wert;
        if (anfang < vorn.size()) {
            vorn.resize(anfang);
        } else {
            vorn.append(s, weiter, anfang - vorn.size());
        }
        weiter = fund + p.size();
    }
    vorn.append(s, weiter, std::string::npos);
    s = std::move(vorn);
}

// The constant terms, taken one by one from the end of the text.
void KonstanteLesen(AnalysisState& st, std::string& s, std::int64_t& koeff, bool& ok) {
    while (!s.empty() && ok) {
        Whilekontrolle(st, ok);
        std::size_t p = s.size() - 1;
        while (ok && !istVorzeichen(s[p])) {
            Whilekontrolle(st, ok);
            if (p == 0) {
                ok = false;
                break;
            }
            --p;
        }
        if (!ok) break;
        std::int64_t wert = 0;
        if (!TermWert(std::string_view(s).substr(p), wert)) {
            ok = false;
            break;
        }
        koeff += wert;
        s.resize(p);
    }
}

} // namespace

void Whilekontrolle(AnalysisState& st, bool& ok) {
    if (st.wzaehler < INT_MAX) ++st.wzaehler;
    if (st.wzaehler > 500) ok = false;
}

std::string FehlzeichenKillen(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (char c : s) {
        if (istZiffer(c) || c == '+' || c == '-' || c == 'x' || c == '*' || c == '^') r += c;
    }
    return r;
}

std::string ZeichenReduzieren(std::string_view s, std::string_view a, std::string_view b) {
    if (a.empty() || s.find(a) == std::string_view::npos) return std::string(s);
    // "Replace the leftmost occurrence and search again from the start" in one pass: `fertig`
    // never contains a, so the leftmost occurrence of the whole text is the first one that ends
    // at the end of `fertig` after a character was moved over. The replacement goes back in
    // front of the unread rest, where it is read again like any other text.
    std::string fertig;
    fertig.reserve(s.size());
    std::vector<char> zurueck; // replaced text still to read, next character last
    std::size_t i = 0;
    // A rule whose replacement keeps producing a (such as "x" -> "xx") would never end; it stops
    // once the text or the number of replacements grows far beyond what the parser's rules need
    // (they shrink the text, or grow it at most 5/3-fold with one replacement per power sign).
    const std::size_t maxErsetzungen = (s.size() + 1) * (s.size() + 1) + 1024;
    const std::size_t maxLaenge = 64 * (s.size() + 1) + b.size();
    std::size_t ersetzungen = 0;
    while (!zurueck.empty() || i < s.size()) {
        if (!zurueck.empty()) {
            fertig += zurueck.back();
            zurueck.pop_back();
        } else {
            fertig += s[i++];
        }
        if (fertig.back() == a.back() && fertig.ends_with(a)) {
            if (++ersetzungen > maxErsetzungen || fertig.size() + zurueck.size() > maxLaenge) {
                std::string rest(zurueck.rbegin(), zurueck.rend());
                return fertig + rest + std::string(s.substr(i));
            }
            fertig.resize(fertig.size() - a.size());
            for (auto it = b.rbegin(); it != b.rend(); ++it) zurueck.push_back(*it);
        }
    }
    return fertig;
}

void String2Poly(AnalysisState& st, Surface& ui, const std::string& eingabe, bool& ok) {
    ok = true;
    std::array<std::int64_t, 6> koeff{};

    std::string s = Vereinheitlichen(eingabe);
    if (HatVerboteneZeichen(s) || XvorZiffer(s)) {
        ok = false;
        return;
    }
    s = FehlzeichenKillen(s);

    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kVorzeichen = {{
        {"++", "+"},
        {"+-", "-"},
        {"-+", "-"},
        {"--", "+"},
        {"*+", "*"},
        {"+*", "*"},
        {"***", "**"},
        {"**", "^"},
    }};
    for (const auto& [a, b] : kVorzeichen) s = ZeichenReduzieren(s, a, b);
    if (SternZwischenZiffern(s)) {
        ok = false;
        return;
    }
    s = ZeichenReduzieren(s, "*", "");
    if (XvorZiffer(s)) {
        ok = false;
        return;
    }
    s = ZeichenReduzieren(s, "^+", "^");
    s = ZeichenReduzieren(s, "^^", "^");
    if (PotenzzeichenFalsch(s)) {
        ok = false;
        return;
    }
    s = ZeichenReduzieren(s, "x^1", "x");

    // Powers become runs of x, so that products of powers merge into one run, and back.
    static constexpr std::array<std::string_view, 6> kLauf = {"", "x", "xx", "xxx", "xxxx", "xxxxx"};
    for (int k = 2; k <= 5; ++k) s = ZeichenReduzieren(s, kPotenz[k], kLauf[k]);
    if (s.find("xxxxxx") != std::string::npos) {
        ok = false;
        return;
    }
    for (int k = 5; k >= 2; --k) s = ZeichenReduzieren(s, kLauf[k], kPotenz[k]);

    s.insert(0, 1, '+');
    for (int k = 5; k >= 1 && ok; --k) PotenzTermeLesen(st, s, kPotenz[k], koeff[k], ok);
    if (ok) KonstanteLesen(st, s, koeff[0], ok);
    for (auto k : koeff) {
        if (k < INT32_MIN || k > INT32_MAX) ok = false;
    }
    if (!ok) return;

    for (int k = 0; k <= 5; ++k) {
        st.Poly[k] = koeff[k];
        if (koeff[k] != 0) st.PGrad = k;
    }
    ui.setEingabeText(Koeff2Term(st.Poly));
}

void Einlesen(AnalysisState& st, Surface& ui, bool& ok) {
    String2Poly(st, ui, ui.eingabeText(), ok);
    if (!ok) return;
    for (int j = 0; j <= 5; ++j) st.Pnom[0][j] = static_cast<double>(st.Poly[j]);
    ok = st.Poly[3] != 0 || st.Poly[4] != 0 || st.Poly[5] != 0;
    if (!ok) ui.meldung("Eingabe muss Polynom 3. bis 5. Grades sein!");
}

} // namespace quadrova
