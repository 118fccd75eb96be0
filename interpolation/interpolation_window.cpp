#include "interpolation/interpolation_window.h"

#include "app/window_access.h"

IntFenster::IntFenster(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Interpolationspolynom"));
}

IntFenster& intFenster() {
    static IntFenster* fenster = [] {
        auto* w = new IntFenster;
        fensterBeimEndeLoeschen(w);
        return w;
    }();
    return *fenster;
}
