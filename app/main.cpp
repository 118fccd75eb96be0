// Quadrova: curve discussion of polynomials of degree 3 to 5 for school mathematics.
#include "app/app.h"
#include "app/main_window.h"
#include "app/window_access.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (!App::anzeigeVorhanden()) {
        std::fputs("Quadrova ist ein Desktop-Programm und braucht eine grafische Anzeige (X11 oder Wayland); "
                   "es wurde keine gefunden.\n"
                   "Ohne Anzeige hilft das Kommandozeilenwerkzeug, zum Beispiel:\n"
                   "  quadrova-report \"x^3 - 6x^2\"\n",
                   stderr);
        return 1;
    }
    App app(argc, argv);
    hauptFenster().show();
    return App::exec();
}
