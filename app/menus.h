#pragma once
// The menu bar of the main window: File with Quit, Edit with the standard text commands. The Edit
// commands act on whichever text control has the focus.

#include <QMenuBar>
#include <functional>

class QAction;
class QMenu;

class MenuBar1 : public QMenuBar {
    Q_OBJECT
public:
    // beenden ends the program without a question.
    MenuBar1(std::function<void()> beenden, QWidget* parent = nullptr);

    QMenu* FileMenu = nullptr;
    QAction* FileQuit = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditCut = nullptr;
    QAction* EditCopy = nullptr;
    QAction* EditPaste = nullptr;
    QAction* EditClear = nullptr;
    QAction* EditSelectAll = nullptr;
};

// The standard text commands of the Edit menu.
enum class Bearbeiten { Undo, Cut, Copy, Paste, Clear, SelectAll };

// Applies a command to the focused single-line or multi-line text control; does nothing when no
// text control has the focus. Read-only controls only copy and select.
void bearbeiten(Bearbeiten befehl);
