#pragma once
// The one application object of a window benchmark, on Qt's offscreen platform unless the
// environment chooses another.

#include <QApplication>
#include <QtGlobal>

inline QApplication& benchApp() {
    static int argc = 1;
    static char name[] = "quadrova-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: tearing Qt down from exit handlers runs after its own thread storage is gone.
    static auto* app = new QApplication(argc, argv);
    return *app;
}
