// quadrova-report: one curve analysis on the command line, exactly as the main window's start
// command runs it with the term typed into the input field.
//
//   stdout  the final text of the output area and one line feed (nothing when it is empty)
//   stderr  every plain message box of the run, one per line
//   exit    0 report written, 1 input rejected, 2 usage error

#include "core/build_config.h"
#include "core/recording_surface.h"
#include "report/analysis_driver.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "Aufruf: quadrova-report [--extras] [--no-approx] TERM\n"
    "Schreibt die Kurvenuntersuchung des Polynoms TERM (3. bis 5. Grades, ganzzahlige Koeffizienten).\n"
    "  --extras     Tangentengleichungen und Flächen anhängen\n"
    "  --no-approx  die Frage nach Näherungsverfahren mit \"Nein danke\" beantworten\n"
    "  --help       diese Hilfe\n"
    "  --version    die Version\n"
    "  --           Ende der Optionen (für einen Term, der selbst mit \"--\" beginnt)\n";

void Schreibe(std::FILE* f, std::string_view s) {
    std::fwrite(s.data(), 1, s.size(), f);
}

int Aufruffehler(const std::string& grund) {
    Schreibe(stderr, "quadrova-report: " + grund + "\n");
    Schreibe(stderr, kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool extras = false;
    bool naeherung = true;
    bool optionenZuEnde = false;
    std::optional<std::string> term;

    for (int a = 1; a < argc; ++a) {
        const std::string_view arg = argv[a];
        // Only "--" starts an option, so a term like "-x^3+x" needs no quoting beyond the shell's.
        if (!optionenZuEnde && arg.starts_with("--")) {
            if (arg == "--") {
                optionenZuEnde = true;
            } else if (arg == "--extras") {
                extras = true;
            } else if (arg == "--no-approx") {
                naeherung = false;
            } else if (arg == "--help") {
                Schreibe(stdout, kUsage);
                return 0;
            } else if (arg == "--version") {
                Schreibe(stdout, std::string("Quadrova ") + quadrova::config::version + "\n");
                return 0;
            } else {
                return Aufruffehler("unbekannte Option " + std::string(arg));
            }
            continue;
        }
        if (term)
            return Aufruffehler("nur ein TERM erlaubt (Terme mit Leerzeichen in Anführungszeichen setzen)");
        term = std::string(arg);
    }
    if (!term) return Aufruffehler("TERM fehlt");

    quadrova::AnalysisState st;
    quadrova::RecordingSurface ui;
    ui.eingabe = *term;
    ui.antwort = naeherung;
    st.ExtrasAktiviert = extras;
    quadrova::Start(st, ui);

    for (const std::string& m : ui.meldungen) Schreibe(stderr, m + "\n");
    if (ui.ausgabe.empty()) return 1;
    Schreibe(stdout, ui.ausgabe + "\n");
    return 0;
}
