#pragma once
// The main window's surface as the analysis sees it: the input field, the output area, plain
// message boxes and the modal question. The Qt window, the command-line tool and the tests each
// supply their own.

#include <string>

namespace quadrova {

class Surface {
public:
    virtual ~Surface() = default;

    virtual std::string eingabeText() const = 0;            // text of EingabeF (UTF-8)
    virtual void setEingabeText(const std::string& text) = 0;
    virtual std::string ausgabeText() const = 0;            // text of AusgabeF (UTF-8)
    virtual void setAusgabeText(const std::string& text) = 0;

    // A plain message box with one text.
    virtual void meldung(const std::string& text) = 0;

    // The modal question: message, caption of the action button, caption of the cancel button.
    // Returns true when the action button was pressed.
    virtual bool frage(const std::string& message, const std::string& action, const std::string& cancel) = 0;
};

} // namespace quadrova
