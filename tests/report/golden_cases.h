#pragma once
// The example terms of the main window (exactly as its buttons type them) and the extras runs, with
// their fixture files under golden/. Each fixture is what `quadrova-report [--extras] [--no-approx] -- TERM`
// prints; a changed fixture must be checked against the mathematics of the term, not just re-recorded.

#include <array>

namespace quadrova::testing {

struct GoldenFall {
    const char* name;
    const char* datei;
    const char* term;
    bool extras;
    bool ja; // answer to the question about approximation methods
};

inline constexpr std::array<GoldenFall, 17> kGoldenFaelle = {{
    {"Beispiel1", "beispiel1.txt", " xxxxx + xxx + x", false, true},
    {"Beispiel2", "beispiel2.txt", " 3xxxx-36xxx+138xx-180x", false, true},
    {"Beispiel3", "beispiel3.txt", " 4xxxxx-20xxx", false, true},
    {"Beispiel4", "beispiel4.txt", " xxxxx-32", false, true},
    {"Beispiel5", "beispiel5.txt", " xxxxx-7xxxx+19xxx-25xx+16x-4", false, true},
    {"Beispiel6Nein", "beispiel6_nein.txt", "xxxxx-5xxxx+3xxx+17xx-28x+12", false, false},
    {"Beispiel6Ja", "beispiel6_ja.txt", "xxxxx-5xxxx+3xxx+17xx-28x+12", false, true},
    {"Beispiel7Nein", "beispiel7_nein.txt", " xxxxx-9xxxx+23xxx-15xx", false, false},
    {"Beispiel7Ja", "beispiel7_ja.txt", " xxxxx-9xxxx+23xxx-15xx", false, true},
    {"Beispiel8Nein", "beispiel8_nein.txt", " 3xxxx-36xxx+138xx-180x+1", false, false},
    {"Beispiel8Ja", "beispiel8_ja.txt", " 3xxxx-36xxx+138xx-180x+1", false, true},
    {"Beispiel9Nein", "beispiel9_nein.txt", " xxxxx-9xxxx+31xxx-51xx+40x-12", false, false},
    {"Beispiel9Ja", "beispiel9_ja.txt", " xxxxx-9xxxx+31xxx-51xx+40x-12", false, true},
    {"ArbeitsbeispielExtras", "x3_minus_6x2_extras.txt", "x^3 - 6x^2", true, true},
    {"Beispiel2Extras", "beispiel2_extras.txt", " 3xxxx-36xxx+138xx-180x", true, true},
    {"Beispiel3Extras", "beispiel3_extras.txt", " 4xxxxx-20xxx", true, true},
    {"Beispiel6JaExtras", "beispiel6_ja_extras.txt", "xxxxx-5xxxx+3xxx+17xx-28x+12", true, true},
}};

} // namespace quadrova::testing
