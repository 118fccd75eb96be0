#pragma once
// The application object. Everything application-wide (start-up, quitting, the standard edit
// commands) is Qt's default; the program's behaviour starts in the main window.

#include <QApplication>

class App : public QApplication {
    Q_OBJECT
public:
    App(int& argc, char** argv);

    // Whether a display is available for the windows; without one Qt would abort on start.
    static bool anzeigeVorhanden();
};
