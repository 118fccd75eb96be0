#include "app/app.h"

#include <QtGlobal>

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quadrova"));
    setQuitOnLastWindowClosed(false); // only the main window's quit ends the program
}

bool App::anzeigeVorhanden() {
    // An explicitly chosen platform (offscreen, vnc, ...) needs no display of its own.
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
