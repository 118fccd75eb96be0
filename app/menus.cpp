#include "app/menus.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <type_traits>

namespace {

template <typename Feld> void textBearbeiten(Feld& feld, Bearbeiten befehl) {
    const bool schreibbar = !feld.isReadOnly();
    switch (befehl) {
    case Bearbeiten::Undo:
        if (schreibbar) feld.undo();
        break;
    case Bearbeiten::Cut:
        if (schreibbar) feld.cut();
        break;
    case Bearbeiten::Copy:
        feld.copy();
        break;
    case Bearbeiten::Paste:
        if (schreibbar) feld.paste();
        break;
    case Bearbeiten::Clear:
        if constexpr (std::is_same_v<Feld, QLineEdit>) {
            if (schreibbar && feld.hasSelectedText()) feld.del();
        } else if (schreibbar) {
            QTextCursor cursor = feld.textCursor();
            cursor.removeSelectedText();
            feld.setTextCursor(cursor);
        }
        break;
    case Bearbeiten::SelectAll:
        feld.selectAll();
        break;
    }
}

} // namespace

void bearbeiten(Bearbeiten befehl) {
    QWidget* fokus = QApplication::focusWidget();
    if (auto* zeile = qobject_cast<QLineEdit*>(fokus)) {
        textBearbeiten(*zeile, befehl);
    } else if (auto* flaeche = qobject_cast<QPlainTextEdit*>(fokus)) {
        textBearbeiten(*flaeche, befehl);
    } else if (auto* text = qobject_cast<QTextEdit*>(fokus)) {
        textBearbeiten(*text, befehl);
    }
}

MenuBar1::MenuBar1(std::function<void()> beenden, QWidget* parent) : QMenuBar(parent) {
    // The shortcuts work in every window of the program, as with a menu bar shared by all windows.
    auto eintrag = [](QMenu* menu, const QString& text, const QKeySequence& taste) {
        QAction* a = menu->addAction(text);
        a->setShortcut(taste);
        a->setShortcutContext(Qt::ApplicationShortcut);
        return a;
    };
    // The platform's standard key where it has one; some platforms define none for Quit.
    auto standard = [](QKeySequence::StandardKey k, const char* ersatz) {
        const QKeySequence s(k);
        return s.isEmpty() ? QKeySequence(QString::fromLatin1(ersatz)) : s;
    };
    FileMenu = addMenu(QStringLiteral("&File"));
    FileQuit = eintrag(FileMenu, QStringLiteral("&Quit"), standard(QKeySequence::Quit, "Ctrl+Q"));
    FileQuit->setMenuRole(QAction::QuitRole);
    connect(FileQuit, &QAction::triggered, this, [beenden = std::move(beenden)] { beenden(); });

    EditMenu = addMenu(QStringLiteral("&Edit"));
    EditUndo = eintrag(EditMenu, QStringLiteral("&Undo"), standard(QKeySequence::Undo, "Ctrl+Z"));
    EditMenu->addSeparator();
    EditCut = eintrag(EditMenu, QStringLiteral("Cu&t"), standard(QKeySequence::Cut, "Ctrl+X"));
    EditCopy = eintrag(EditMenu, QStringLiteral("&Copy"), standard(QKeySequence::Copy, "Ctrl+C"));
    EditPaste = eintrag(EditMenu, QStringLiteral("&Paste"), standard(QKeySequence::Paste, "Ctrl+V"));
    EditClear = eintrag(EditMenu, QStringLiteral("&Delete"), QKeySequence());
    EditMenu->addSeparator();
    EditSelectAll =
        eintrag(EditMenu, QStringLiteral("Select &All"), standard(QKeySequence::SelectAll, "Ctrl+A"));

    const std::pair<QAction*, Bearbeiten> befehle[] = {
        {EditUndo, Bearbeiten::Undo},   {EditCut, Bearbeiten::Cut},
        {EditCopy, Bearbeiten::Copy},   {EditPaste, Bearbeiten::Paste},
        {EditClear, Bearbeiten::Clear}, {EditSelectAll, Bearbeiten::SelectAll}};
    for (const auto& [aktion, befehl] : befehle)
        connect(aktion, &QAction::triggered, this, [b = befehl] { bearbeiten(b); });
}
