#pragma once
// One shared instance per window class. Each access point creates its window on first use; after
// that the window is only shown and hidden and keeps its fields while hidden.

class HauptFenster;
class GrafikFenster;
class IntFenster;
class GleichungsF;
class AufgF;

HauptFenster& hauptFenster();   // app/main_window.cpp
GrafikFenster& grafikFenster(); // sketch/sketch_window.cpp
IntFenster& intFenster();       // interpolation/interpolation_window.cpp
GleichungsF& gleichungsF();     // equation_solver/equation_solver_window.cpp
AufgF& aufgF();                 // standard_task/standard_task_window.cpp

// Registers a window created by an access point so that it is destroyed while the application
// object still exists (widgets must not outlive it).
class QWidget;
void fensterBeimEndeLoeschen(QWidget* w); // app/window_access.cpp
