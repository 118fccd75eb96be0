#pragma once
// The analysis state: everything one curve analysis reads and writes, owned by whoever runs it
// (the main window, the command-line tool, a test). Plain data, no behaviour beyond init().

#include <array>
#include <cstdint>
#include <string>

namespace quadrova {

// Coefficient vector: element k is the coefficient of x^k. 64 bits, because the derivatives of an
// accepted f (coefficients within 32 bits) reach 60 times that.
using IntVec = std::array<std::int64_t, 7>;

// Counted array with room for six members: element 0 is the count (-1 = every real number),
// elements 1..n the members. The solver's solution array and the rows of Nullstellen.
using SolArray = std::array<double, 7>;

// Counted array of the critical points and the special points.
using PointArray = std::array<double, 31>;

// Room for the divisor list. Every derivative coefficient of an accepted f stays below 2^37, and every
// number below 2^37 has fewer than 8,192 positive divisors; larger inputs are guarded by the caller.
inline constexpr int kSammelfeldSize = 8192;

struct AnalysisState {
    std::array<double, kSammelfeldSize + 1> Sammelfeld{};
    std::array<std::array<double, 8>, 8> Pnom{};
    IntVec Poly{};
    std::array<std::string, 7> x;
    std::string hoch;
    bool lkomplett = false;
    std::array<SolArray, 7> Nullstellen{};
    std::array<std::string, 5> leer;
    PointArray Kritisch{};
    double xlinks = 0;
    double xrechts = 0;
    std::array<std::array<int, 7>, 6> VorzInt{};
    bool schulfern = false;
    int wzaehler = 0;
    std::string Gelaber;
    std::array<std::string, 31> KTyp;
    double maxf = 0;
    double minf = 0;
    bool SkizzeBereit = false;
    double xmin = 0;
    double xmax = 0;
    double erwminf = 0;
    double erwmaxf = 0;
    bool ExtrasAktiviert = false;
    PointArray SPunkt{};
    std::array<std::string, 31> SPunktTyp;
    int PGrad = 0;
};

// Puts the state into its start condition for one analysis run.
void init(AnalysisState& st);

} // namespace quadrova
