// The contract of quadrova-report: streams, exit codes and options.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Ergebnis {
    int status = -1;
    std::string out, err;
};

std::string Lies(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs quadrova-report with the arguments as given (no shell), stdout and stderr into files.
Ergebnis Aufruf(const std::vector<std::string>& args) {
    char outName[] = "/tmp/quadrova_cli_out_XXXXXX";
    char errName[] = "/tmp/quadrova_cli_err_XXXXXX";
    const int out = mkstemp(outName), err = mkstemp(errName);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out, 1);
    posix_spawn_file_actions_adddup2(&fa, err, 2);
    std::vector<std::string> alle{QUADROVA_REPORT_EXE};
    alle.insert(alle.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : alle) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    Ergebnis e;
    if (posix_spawn(&pid, QUADROVA_REPORT_EXE, &fa, nullptr, argv.data(), environ) == 0) {
        int st = 0;
        waitpid(pid, &st, 0);
        e.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    posix_spawn_file_actions_destroy(&fa);
    close(out);
    close(err);
    e.out = Lies(outName);
    e.err = Lies(errName);
    std::remove(outName);
    std::remove(errName);
    return e;
}

std::string Golden(const char* datei) {
    return Lies(std::string(QUADROVA_TEST_DATA) + "/../report/golden/" + datei);
}

const std::string kBeispiel6 = "xxxxx-5xxxx+3xxx+17xx-28x+12";
const std::string kSchluss =
    "Wegen der Unvollständigkeit der Ergebnisse erfolgt keine Beschreibung des Kurvenverlaufs.\n";

TEST(Cli, SchulwegAufStdout) {
    const Ergebnis e = Aufruf({" xxxxx + xxx + x"});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.err, "");
    EXPECT_EQ(e.out, Golden("beispiel1.txt"));
}

TEST(Cli, NaeherungJaUndNein) {
    const Ergebnis ja = Aufruf({kBeispiel6});
    EXPECT_EQ(ja.status, 0);
    EXPECT_EQ(ja.err, "");
    EXPECT_EQ(ja.out, Golden("beispiel6_ja.txt"));
    const Ergebnis nein = Aufruf({"--no-approx", kBeispiel6});
    EXPECT_EQ(nein.status, 0);
    EXPECT_EQ(nein.err, "");
    EXPECT_TRUE(nein.out.ends_with("\n\n" + kSchluss));
    EXPECT_EQ(nein.out, Golden("beispiel6_nein.txt"));
}

TEST(Cli, ExtrasInBeliebigerReihenfolge) {
    const std::string erwartet = Golden("x3_minus_6x2_extras.txt");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--extras", "x^3 - 6x^2"},
                                               {"x^3 - 6x^2", "--extras"},
                                               {"--no-approx", "--extras", "x^3 - 6x^2"}}) {
        const Ergebnis e = Aufruf(args);
        EXPECT_EQ(e.status, 0);
        EXPECT_EQ(e.out, erwartet);
    }
    const Ergebnis ohne = Aufruf({"x^3 - 6x^2"});
    EXPECT_TRUE(ohne.out.ends_with(" im Endpunkt F ( 7 | 49 ) .\n"));
}

TEST(Cli, AbgelehnteEingabe) {
    const Ergebnis grad = Aufruf({"x^2+1"});
    EXPECT_EQ(grad.status, 1);
    EXPECT_EQ(grad.out, "");
    EXPECT_EQ(grad.err,
              "Eingabe muss Polynom 3. bis 5. Grades sein!\nBitte Funktionsterm korrekt eingeben\n");
    const Ergebnis leer = Aufruf({""});
    EXPECT_EQ(leer.status, 1);
    EXPECT_EQ(leer.out, "");
    const Ergebnis falsch = Aufruf({"x3"});
    EXPECT_EQ(falsch.status, 1);
    EXPECT_EQ(falsch.err, "Bitte Funktionsterm korrekt eingeben\n");
}

TEST(Cli, TermMitMinusAmAnfang) {
    // Only "--" starts an option: a term may begin with a minus sign, and "--" ends the options.
    const Ergebnis e = Aufruf({"-x^3+x"});
    EXPECT_EQ(e.status, 0);
    EXPECT_TRUE(e.out.starts_with("Untersuchung der Funktion f mit f(x) =  - x^3 + x mit"));
    const Ergebnis g = Aufruf({"--", "--x^3"});
    EXPECT_EQ(g.status, 0);
    EXPECT_TRUE(g.out.starts_with("Untersuchung der Funktion f mit f(x) =  x^3 mit"));
}

TEST(Cli, Aufruffehler) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"--extras"}, {"--bunt", "x^3"}, {"x^3", "x^4"}, {"--no-approx", "--"}}) {
        const Ergebnis e = Aufruf(args);
        EXPECT_EQ(e.status, 2);
        EXPECT_EQ(e.out, "");
        EXPECT_NE(e.err.find("Aufruf: quadrova-report [--extras] [--no-approx] TERM\n"), std::string::npos);
    }
}

TEST(Cli, HilfeUndVersion) {
    const Ergebnis h = Aufruf({"--help"});
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(h.err, "");
    EXPECT_TRUE(h.out.starts_with("Aufruf: quadrova-report [--extras] [--no-approx] TERM\n"));
    const Ergebnis v = Aufruf({"--version"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, "Quadrova V0.2\n");
    EXPECT_EQ(v.err, "");
}

} // namespace
