#pragma once
// The main window: input field, report area, start button and the commands around them. It owns
// the analysis state of the whole program and is the surface the analysis writes to.

#include "core/analysis_state.h"
#include "core/surface.h"

#include <QMainWindow>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QFrame;

class HauptFenster : public QMainWindow, public quadrova::Surface {
    Q_OBJECT
public:
    static constexpr int kBreite = 1136;
    static constexpr int kHoehe = 925;
    static constexpr int kBeispiele = 9;

    explicit HauptFenster(QWidget* parent = nullptr);

    // The analysis state, shared with the secondary windows.
    quadrova::AnalysisState& state() { return m_state; }
    const quadrova::AnalysisState& state() const { return m_state; }

    // Surface over the real controls.
    std::string eingabeText() const override;
    void setEingabeText(const std::string& text) override;
    std::string ausgabeText() const override;
    void setAusgabeText(const std::string& text) override;
    void meldung(const std::string& text) override;
    bool frage(const std::string& message, const std::string& action, const std::string& cancel) override;

    // Runs the analysis of the term in EingabeF (start button, Return, examples, interpolation export).
    void starteAnalyse();

    // Canvas coordinates of a point in the sketch's current view (see sketch/sketch_mapping.h).
    double xBild(double x) const;
    double yBild(double y) const;

    // The hidden switches: extras in the report, the standard-task button.
    bool extrasAktiviert() const { return m_state.ExtrasAktiviert; }
    void extrasAktivieren();

    // Ends the program without asking (the quit menu item, the sketch window's confirmed quit).
    void programmBeenden();

    // Writes s as a UTF-8 text file chosen in the save dialog; an existing file is replaced only
    // after a complete write.
    void Speichern(const QString& s);

    // Controls, for the other windows and the tests.
    QLineEdit* EingabeF() const { return m_eingabeF; }
    QPlainTextEdit* AusgabeF() const { return m_ausgabeF; }
    QPushButton* Startknopf() const { return m_startknopf; }
    QPushButton* NeuKnopf() const { return m_neuKnopf; }
    QPushButton* InfoKnopf() const { return m_infoKnopf; }
    QPushButton* Quitknopf() const { return m_quitknopf; }
    QPushButton* InsKlemmbrettKnopf() const { return m_klemmbrettKnopf; }
    QPushButton* SaveKnopf() const { return m_saveKnopf; }
    QPushButton* ZeichneKnopf() const { return m_zeichneKnopf; }
    QPushButton* MailtoKnopf() const { return m_mailtoKnopf; }
    QPushButton* ZurHPKnopf() const { return m_zurHPKnopf; }
    QPushButton* BeispileKnopf(int i) const { return m_beispiele.at(static_cast<std::size_t>(i - 1)); }
    QPushButton* interpolB() const { return m_interpolB; }
    QPushButton* interpolB1() const { return m_interpolB1; }
    QPushButton* AufgB1() const { return m_aufgB1; }
    QLabel* ExtraT() const { return m_extraT; }

    // The text an example button writes into EingabeF and the polynomial of its help tag.
    static QString beispielText(int i);
    static QString beispielTag(int i);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void baueSteuerelemente();
    void baueMenues();

    void Startknopf_Action();
    void BeispileKnopf_Action(int i);
    void NeuKnopf_Action();
    void InfoKnopf_Action();
    void Quitknopf_Action();
    void InsKlemmbrettKnopf_Action();
    void SaveKnopf_Action();
    void ZeichneKnopf_Action();
    void ZeichneKnopf_GotFocus();
    void BevelButton7_Action();
    bool beendenBestaetigt();

    quadrova::AnalysisState m_state;
    bool m_beendet = false; // the program is quitting: the close event needs no question

    QPlainTextEdit* m_ausgabeF = nullptr;
    QLineEdit* m_eingabeF = nullptr;
    QPushButton* m_startknopf = nullptr;
    QPushButton* m_quitknopf = nullptr;
    QPushButton* m_klemmbrettKnopf = nullptr;
    QPushButton* m_infoKnopf = nullptr;
    QPushButton* m_neuKnopf = nullptr;
    QPushButton* m_mailtoKnopf = nullptr;
    QPushButton* m_bevelButton7 = nullptr;
    QPushButton* m_zurHPKnopf = nullptr;
    std::array<QPushButton*, kBeispiele> m_beispiele{};
    QPushButton* m_saveKnopf = nullptr;
    QPushButton* m_zeichneKnopf = nullptr;
    QLabel* m_extraT = nullptr;
    QPushButton* m_interpolB = nullptr;
    QPushButton* m_aufgB1 = nullptr;
    QPushButton* m_interpolB1 = nullptr;
};
