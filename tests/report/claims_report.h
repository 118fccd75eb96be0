#pragma once
// Reads a finished analysis report back into the facts it states: the solution sets and their
// completeness, the zero-set summaries, the critical points and the interval, the sign and value
// tables and the curve description. Knows the report's wording, nothing of the program.

#include <array>
#include <string>
#include <vector>

namespace claims {

struct Number {
    std::string text;
    double value = 0;
    bool ok = false; // the text is a number
};

struct SetText {
    bool allReals = false; // "ganz R"
    std::vector<Number> members;
};

enum class SetKind { Complete, AllReals, Subset, Unsolved };

struct Summary {
    SetKind kind = SetKind::Unsolved;
    SetText set; // members for Complete and Subset
};

struct PointLine { // one inner point of the description
    std::string movement, turning, kind;
    char label = 0;
    Number x, y, slope;
};

struct EndClause { // the start or the end point of the description
    std::string turning, direction;
    char label = 0;
    Number x, y, slope;
};

// Critical points, interval, both tables and the description: the part after a summary.
struct Discussion {
    SetText crit;
    Number left, right;
    std::vector<std::string> signX, signRows[3];   // cells: x row (number cells), f, f', f''
    std::vector<std::string> valueX, valueRows[2]; // cells: x row, f, f'
    Number descLeft, descRight;
    EndClause start, end;
    std::vector<PointLine> points;
};

struct ParsedReport {
    std::string error; // empty when the report has the expected shape
    std::array<Summary, 4> school;
    bool incompleteHeading = false;
    std::array<SetText, 4> schoolN;
    bool notice = false; // "Wegen der Unvollständigkeit ..." (question declined)
    bool approximation = false;
    SetText partialCrit;
    Number partialLeft, partialRight;
    std::array<SetText, 4> approxN;
    bool hasDiscussion = false;
    Discussion discussion;
};

ParsedReport ParseReport(const std::string& text);

// The text of a number cell ("_-2.236| ") without its frame and padding; empty if not a number cell.
std::string CellText(const std::string& cell);

Number ReadNumber(const std::string& text);

} // namespace claims
