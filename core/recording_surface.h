#pragma once
// A surface without a window: keeps the two field texts, records every message and question, and
// answers the question with a preset answer. Used by the command-line tool and the tests.

#include "core/surface.h"

#include <string>
#include <vector>

namespace quadrova {

class RecordingSurface : public Surface {
public:
    struct Question {
        std::string message, action, cancel;
    };

    std::string eingabe;
    std::string ausgabe;
    std::vector<std::string> meldungen;
    std::vector<Question> fragen;
    bool antwort = true; // answer to the modal question: true = action button

    std::string eingabeText() const override { return eingabe; }
    void setEingabeText(const std::string& text) override { eingabe = text; }
    std::string ausgabeText() const override { return ausgabe; }
    void setAusgabeText(const std::string& text) override { ausgabe = text; }
    void meldung(const std::string& text) override { meldungen.push_back(text); }
    bool frage(const std::string& message, const std::string& action, const std::string& cancel) override {
        fragen.push_back({message, action, cancel});
        return antwort;
    }
};

} // namespace quadrova
