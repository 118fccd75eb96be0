// The report leaves the program through the clipboard and the save dialog; the Edit menu works on
// whichever text control has the focus.
#include "app/main_window.h"
#include "app/menus.h"
#include "tests/app/dialog_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kFehler = QStringLiteral("Die Datei konnte nicht gespeichert werden: ");

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

class BerichtTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        ASSERT_TRUE(ordner.isValid());
        speicherPfad = ordner.filePath(QStringLiteral("Polynomdaten.txt"));
    }

    QString bericht() const { return w.AusgabeF()->toPlainText(); }

    QTemporaryDir ordner;
    HauptFenster w;
};

TEST_F(BerichtTest, CopyPutsTheWholeReportOnTheClipboard) {
    w.BeispileKnopf(2)->click();
    ASSERT_GT(bericht().size(), 1000);
    w.InsKlemmbrettKnopf()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), bericht());

    w.NeuKnopf()->click();
    w.InsKlemmbrettKnopf()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

TEST_F(BerichtTest, SaveWritesTheReportAsUtf8WithOneLineFeed) {
    w.SaveKnopf()->click(); // nothing to save: no dialog
    EXPECT_TRUE(vorschlaege.isEmpty());

    w.BeispileKnopf(1)->click();
    schreibe(speicherPfad, "alter Inhalt");
    w.SaveKnopf()->click();
    EXPECT_EQ(vorschlaege, QStringList{QStringLiteral("Polynomdaten")});
    EXPECT_TRUE(meldungen.isEmpty());
    const QByteArray inhalt = lies(speicherPfad);
    EXPECT_EQ(inhalt, bericht().toUtf8() + '\n');
    EXPECT_TRUE(inhalt.contains("schulüblichen"));
    EXPECT_FALSE(inhalt.contains('\r'));
    EXPECT_EQ(ordner.path() + "/Polynomdaten.txt", speicherPfad);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("Polynomdaten.txt")});

    speicherPfad.clear(); // dialog cancelled
    w.SaveKnopf()->click();
    EXPECT_EQ(lies(ordner.filePath(QStringLiteral("Polynomdaten.txt"))), bericht().toUtf8() + '\n');
}

TEST_F(BerichtTest, ReadOnlyFolderLeavesTheOldFileAndShowsTheReason) {
    w.BeispileKnopf(1)->click();
    schreibe(speicherPfad, "alter Inhalt");
    ASSERT_TRUE(QFile::setPermissions(ordner.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool schreibbar = ::access(ordner.path().toLocal8Bit().constData(), W_OK) == 0;
    if (!schreibbar) {
        w.SaveKnopf()->click();
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_TRUE(meldungen[0].startsWith(kFehler));
        EXPECT_GT(meldungen[0].size(), kFehler.size());
        EXPECT_EQ(lies(speicherPfad), QByteArray("alter Inhalt"));
    }
    QFile::setPermissions(ordner.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (schreibbar) GTEST_SKIP() << "running with rights that ignore folder permissions";
}

// A full disk, imitated by a file size limit that holds even for the administrator.
TEST_F(BerichtTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    w.BeispileKnopf(1)->click();
    schreibe(speicherPfad, "alter Inhalt");
    rlimit alt{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
    rlimit klein = alt;
    klein.rlim_cur = 100;
    auto vorher = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
    w.SaveKnopf()->click();
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, vorher);

    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith(kFehler));
    EXPECT_GT(meldungen[0].size(), kFehler.size()) << "the system's reason is missing";
    EXPECT_EQ(lies(speicherPfad), QByteArray("alter Inhalt"));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("Polynomdaten.txt")});
}

TEST_F(BerichtTest, ChoosingAFolderShowsTheReason) {
    w.BeispileKnopf(1)->click();
    speicherPfad = ordner.path();
    w.SaveKnopf()->click();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith(kFehler));
    EXPECT_TRUE(QFileInfo(ordner.path()).isDir());
}

TEST_F(BerichtTest, MenusHaveTheirItemsInOrder) {
    auto* menues = qobject_cast<MenuBar1*>(w.menuBar());
    ASSERT_NE(menues, nullptr);
    struct Eintrag {
        const char* text;
        QKeySequence taste;
    };
    const Eintrag datei[] = {{"&Quit", QKeySequence(QStringLiteral("Ctrl+Q"))}};
    const Eintrag bearbeiten[] = {{"&Undo", QKeySequence(QStringLiteral("Ctrl+Z"))},
                                  {"", QKeySequence()},
                                  {"Cu&t", QKeySequence(QStringLiteral("Ctrl+X"))},
                                  {"&Copy", QKeySequence(QStringLiteral("Ctrl+C"))},
                                  {"&Paste", QKeySequence(QStringLiteral("Ctrl+V"))},
                                  {"&Delete", QKeySequence()},
                                  {"", QKeySequence()},
                                  {"Select &All", QKeySequence(QStringLiteral("Ctrl+A"))}};
    auto pruefe = [](QMenu* menu, const char* titel, auto& erwartet) {
        EXPECT_EQ(menu->title(), QString::fromUtf8(titel));
        const auto aktionen = menu->actions();
        ASSERT_EQ(aktionen.size(), static_cast<qsizetype>(std::size(erwartet)));
        for (qsizetype i = 0; i < aktionen.size(); ++i) {
            EXPECT_EQ(aktionen[i]->text(), QString::fromUtf8(erwartet[i].text));
            EXPECT_EQ(aktionen[i]->isSeparator(), std::string_view(erwartet[i].text).empty());
            EXPECT_EQ(aktionen[i]->shortcut(), erwartet[i].taste);
        }
    };
    pruefe(menues->FileMenu, "&File", datei);
    pruefe(menues->EditMenu, "&Edit", bearbeiten);
}

TEST_F(BerichtTest, EditItemsActOnTheFocusedTextControl) {
    auto* menues = qobject_cast<MenuBar1*>(w.menuBar());
    ASSERT_NE(menues, nullptr);
    w.show();
    QApplication::setActiveWindow(&w);
    w.EingabeF()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.EingabeF());

    tippe(w.EingabeF(), QStringLiteral("x^3-6x^2"));
    menues->EditSelectAll->trigger();
    menues->EditCut->trigger();
    EXPECT_TRUE(w.EingabeF()->text().isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("x^3-6x^2"));
    menues->EditPaste->trigger();
    EXPECT_EQ(w.EingabeF()->text(), QStringLiteral("x^3-6x^2"));
    menues->EditUndo->trigger();
    EXPECT_TRUE(w.EingabeF()->text().isEmpty());
    menues->EditPaste->trigger();
    w.EingabeF()->setSelection(0, 3);
    menues->EditClear->trigger();
    EXPECT_EQ(w.EingabeF()->text(), QStringLiteral("-6x^2"));

    w.EingabeF()->setText(QStringLiteral("x^3-6x^2"));
    w.Startknopf()->click();
    const QString vorher = bericht();
    ASSERT_FALSE(vorher.isEmpty());
    w.AusgabeF()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.AusgabeF());
    menues->EditSelectAll->trigger();
    menues->EditCopy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), vorher);
    menues->EditCut->trigger(); // the report area is read-only
    menues->EditClear->trigger();
    menues->EditPaste->trigger();
    EXPECT_EQ(bericht(), vorher);
}

} // namespace
