#include "claims_report.h"

#include <charconv>
#include <string_view>

namespace claims {

namespace {

const std::string kLf = "\n";
const std::string kMarker = "Bestimmung der Nullstellen:";
const std::string kHeading = "Zusammenfassung der Nullstellenmengen N(i) der i-Ableitungen (i=0, 1, 2, 3):";
const std::string kComplete = "\nLösungsmenge ist also ";
const std::string kSubset = "\nEine Teilmenge der Lösungsmenge ist also ";
const std::string kUnsolved = "\nDie Lösungsmenge kann also mit schulischen Mitteln nicht bestimmt werden .";
const std::string kAllReals = "\nAlle reellen Zahlen sind Lösungen.";
const std::string kNotice =
    "Wegen der Unvollständigkeit der Ergebnisse erfolgt keine Beschreibung des Kurvenverlaufs.";

struct Failure {
    std::string what;
};

// A cursor over the report that fails with a description when the text is not as expected.
class Reader {
public:
    explicit Reader(const std::string& t) : t_(t) {}

    bool At(std::string_view s) const { return t_.compare(pos_, s.size(), s) == 0; }
    bool AtEnd() const { return pos_ >= t_.size(); }

    void Expect(std::string_view s) {
        if (!At(s)) {
            throw Failure{"expected \"" + std::string(s) + "\" at: \"" + t_.substr(pos_, 60) + "\""};
        }
        pos_ += s.size();
    }
    bool Accept(std::string_view s) {
        if (!At(s)) {
            return false;
        }
        pos_ += s.size();
        return true;
    }
    // The text up to the next occurrence of `end`, which is consumed too.
    std::string Until(std::string_view end) {
        const auto e = t_.find(end, pos_);
        if (e == std::string::npos) {
            throw Failure{"missing \"" + std::string(end) + "\" after: \"" + t_.substr(pos_, 60) + "\""};
        }
        std::string s = t_.substr(pos_, e - pos_);
        pos_ = e + end.size();
        return s;
    }
    std::string Line() { return Until(kLf); }
    void SkipTo(std::string_view s) {
        const auto e = t_.find(s, pos_);
        pos_ = e == std::string::npos ? t_.size() : e;
    }

private:
    const std::string& t_;
    std::size_t pos_ = 0;
};

SetText ReadSet(const std::string& s) {
    SetText set;
    if (s == "ganz R") {
        set.allReals = true;
        return set;
    }
    if (s.size() < 2 || s.front() != '{' || s.back() != '}') {
        throw Failure{"not a set: \"" + s + "\""};
    }
    const std::string inner = s.substr(1, s.size() - 2);
    std::size_t p = 0;
    while (!inner.empty() && p <= inner.size()) {
        const auto e = inner.find(", ", p);
        const std::string m = inner.substr(p, e == std::string::npos ? std::string::npos : e - p);
        set.members.push_back(ReadNumber(m));
        if (!set.members.back().ok) {
            throw Failure{"set member is no number: \"" + m + "\""};
        }
        if (e == std::string::npos) {
            break;
        }
        p = e + 2;
    }
    return set;
}

Number Num(const std::string& s) {
    Number n = ReadNumber(s);
    if (!n.ok) {
        throw Failure{"no number: \"" + s + "\""};
    }
    return n;
}

std::string OneOf(Reader& r, std::initializer_list<const char*> words) {
    for (const char* w : words) {
        if (r.Accept(w)) {
            return w;
        }
    }
    throw Failure{"none of the expected words"};
}

// The four solver summaries of the school part, one in each equation's stretch.
void ReadSchoolSummaries(const std::string& school, ParsedReport& rep) {
    std::vector<std::size_t> marks;
    for (auto p = school.find(kMarker); p != std::string::npos; p = school.find(kMarker, p + 1)) {
        marks.push_back(p);
    }
    if (marks.size() != 4) {
        throw Failure{"expected four equations, found " + std::to_string(marks.size())};
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string part =
            school.substr(marks[i], (i + 1 < 4 ? marks[i + 1] : school.size()) - marks[i]);
        int found = 0;
        Summary sum;
        for (const auto* sentence : {&kComplete, &kSubset, &kUnsolved, &kAllReals}) {
            for (auto p = part.find(*sentence); p != std::string::npos; p = part.find(*sentence, p + 1)) {
                ++found;
                if (sentence == &kUnsolved) {
                    sum.kind = SetKind::Unsolved;
                } else if (sentence == &kAllReals) {
                    sum.kind = SetKind::AllReals;
                } else {
                    sum.kind = sentence == &kComplete ? SetKind::Complete : SetKind::Subset;
                    const auto from = p + sentence->size();
                    const auto to = part.find(" .", from);
                    sum.set =
                        ReadSet(part.substr(from, to == std::string::npos ? std::string::npos : to - from));
                }
            }
        }
        if (found != 1) {
            throw Failure{"equation " + std::to_string(i) + " has " + std::to_string(found) +
                          " summary sentences"};
        }
        rep.school[i] = sum;
    }
}

void ReadNLines(Reader& r, std::array<SetText, 4>& sets) {
    for (int i = 0; i < 4; ++i) {
        r.Expect("N(" + std::to_string(i) + ") = ");
        sets[static_cast<std::size_t>(i)] = ReadSet(r.Line());
    }
}

// Cells of `width` characters after a label, with an optional closing text.
std::vector<std::string> Cells(const std::string& line, std::string_view label, std::string_view close) {
    if (line.compare(0, label.size(), label) != 0 || line.size() < label.size() + close.size() ||
        line.compare(line.size() - close.size(), close.size(), close) != 0) {
        throw Failure{"table row \"" + line + "\" does not start with \"" + std::string(label) + "\""};
    }
    const std::size_t body = line.size() - label.size() - close.size();
    if (body % 9 != 0) {
        throw Failure{"table row \"" + line + "\" is not made of 9-character cells"};
    }
    std::vector<std::string> cells;
    for (std::size_t k = 0; k < body / 9; ++k) {
        cells.push_back(line.substr(label.size() + 9 * k, 9));
    }
    return cells;
}

std::string Dashes(Reader& r) {
    const std::string l = r.Line();
    if (l.empty() || l.find_first_not_of('-') != std::string::npos) {
        throw Failure{"expected a dash line, got \"" + l + "\""};
    }
    return l;
}

EndClause ReadEnd(Reader& r, bool start) {
    EndClause c;
    if (start) {
        r.Expect(" -  beginnt im Anfangspunkt A ( ");
        c.label = 'A';
        c.x = Num(r.Until(" | "));
        c.y = Num(r.Until(" ) "));
        c.turning = OneOf(r, {"linksdrehend ", "rechtsdrehend "});
        r.Expect("und ");
        c.direction = OneOf(r, {"fallend ", "steigend "});
        r.Expect("mit der Steigung ");
        c.slope = Num(r.Until(" ,"));
        return c;
    }
    r.Expect(" -   und endet schließlich ");
    c.turning = OneOf(r, {"linksdrehend ", "rechtsdrehend "});
    r.Expect("und ");
    c.direction = OneOf(r, {"fallend ", "steigend "});
    r.Expect("mit der Steigung ");
    c.slope = Num(r.Until(" im Endpunkt "));
    const std::string label = r.Until(" ( ");
    c.label = label.size() == 1 ? label[0] : '?';
    c.x = Num(r.Until(" | "));
    c.y = Num(r.Until(" ) ."));
    return c;
}

void ReadDiscussion(Reader& r, Discussion& d, const char* critIntro, const char* intervalIntro) {
    r.Expect(critIntro);
    d.crit = ReadSet(r.Line());
    r.Expect(intervalIntro);
    d.left = Num(r.Until("; "));
    d.right = Num(r.Until(" ] ."));
    r.Expect("\n\n\nVorzeichentabelle nach Intervallen\n");
    Dashes(r);
    d.signX = Cells(r.Line(), "   x   |  ", "");
    static constexpr std::array<const char*, 3> kSign{"  f(x) |", "  f'(x)|", " f''(x)|"};
    for (std::size_t i = 0; i < 3; ++i) {
        Dashes(r);
        d.signRows[i] = Cells(r.Line(), kSign[i], "|");
    }
    Dashes(r);
    r.Expect("\n");
    r.Expect("Das Verfahren zur Ermittlung der Vorzeichenbereiche (unter Umständen ohne Berechnung eines "
             "einzigen Funktionswertes) \nist in ");
    r.Until(" ausführlich beschrieben.");
    r.Expect("\n\nWertetabelle für die kritischen Stellen\n");
    Dashes(r);
    d.valueX = Cells(r.Line(), "   x   |  ", "");
    Dashes(r);
    d.valueRows[0] = Cells(r.Line(), "  f(x) |  ", "");
    Dashes(r);
    d.valueRows[1] = Cells(r.Line(), "  f'(x)|  ", "");
    Dashes(r);
    r.Expect("\nDer auf das abgeschlossene Intervall [ ");
    d.descLeft = Num(r.Until(" ; "));
    d.descRight = Num(r.Until(" ] eingeschränkte Graph von f\n"));
    d.start = ReadEnd(r, true);
    r.Expect("\n");
    while (!r.At(" -   und ")) {
        PointLine p;
        r.Expect(" -  ");
        p.movement = OneOf(r, {"fällt ", "steigt "});
        p.turning = OneOf(r, {"rechtsdrehend ", "linkksdrehend "});
        r.Expect("zum ");
        const std::string kindAndLabel = r.Until(" (");
        if (kindAndLabel.empty()) {
            throw Failure{"point line without label"};
        }
        p.label = kindAndLabel.back();
        p.kind = kindAndLabel.substr(0, kindAndLabel.size() - 1);
        p.x = Num(r.Until(" | "));
        p.y = Num(r.Until(" ) mit Steigung "));
        p.slope = Num(r.Until(" ,\n"));
        d.points.push_back(p);
    }
    d.end = ReadEnd(r, false);
}

} // namespace

Number ReadNumber(const std::string& text) {
    Number n;
    n.text = text;
    const char* b = text.data();
    const char* e = b + text.size();
    const auto res = std::from_chars(b, e, n.value);
    n.ok = !text.empty() && res.ec == std::errc() && res.ptr == e;
    return n;
}

std::string CellText(const std::string& cell) {
    if (cell.size() != 9 || cell[0] != '_' || cell.compare(7, 2, "| ") != 0) {
        return "";
    }
    std::string body = cell.substr(1, 6);
    while (!body.empty() && body.back() == '_') {
        body.pop_back();
    }
    return body;
}

ParsedReport ParseReport(const std::string& text) {
    ParsedReport rep;
    try {
        Reader r(text);
        r.Expect("Untersuchung der Funktion f mit f(x) = ");
        const std::string school = r.Until(kHeading);
        rep.incompleteHeading =
            school.size() >= 16 && school.compare(school.size() - 16, 16, "Unvollständige ") == 0;
        ReadSchoolSummaries(school, rep);
        r.Expect("\n\n");
        ReadNLines(r, rep.schoolN);
        if (r.Accept("\n\n" + kNotice)) {
            rep.notice = true;
            if (!r.AtEnd()) {
                throw Failure{"text after the notice"};
            }
            return rep;
        }
        if (r.Accept("\n\nTeilmenge der erkannten kritischen Stellen: ")) {
            rep.approximation = true;
            rep.partialCrit = ReadSet(r.Line());
            r.Expect("Alle erkannten kritischen Stellen liegen im Inneren des Intervalls [ ");
            rep.partialLeft = Num(r.Until("; "));
            rep.partialRight = Num(r.Until(" ] ."));
            r.Expect("\n\n\n" + std::string(107, '_') + "\n");
            r.Expect("\n\nUntersuchung der Funktion f mit f(x) = ");
            r.Until(" mit Approximationsverfahren.");
            for (int i = 1; i <= 3; ++i) {
                r.Expect("\n\nDie " + std::to_string(i) + ". Ableitung hat den Funktionsterm ");
                r.SkipTo("\n"); // the term runs to the line end
            }
            r.Expect("\n\n\n" + kHeading + "\n\n");
            ReadNLines(r, rep.approxN);
        }
        ReadDiscussion(r, rep.discussion, "\n\nMenge der kritischen Stellen: ",
                       "Alle kritischen Stellen liegen im Inneren des Intervalls [ ");
        rep.hasDiscussion = true;
    } catch (const Failure& f) {
        rep.error = f.what;
    }
    return rep;
}

} // namespace claims
