#pragma once
// Holds what one report states against the exact facts of its polynomial and tallies the result:
// claims checked, claims found false (with the term and the detail), and the deliberate behaviours
// of the report that were met and counted.

#include "claims_exact.h"
#include "claims_report.h"

#include "core/analysis_state.h"

#include <map>
#include <string>
#include <vector>

namespace claims {

struct Tally {
    long reports = 0;
    long claims = 0;
    std::map<std::string, long> claimsByFamily;
    std::map<std::string, long> falseByFamily;
    std::vector<std::string> discrepancies; // "term: family: detail"
    std::map<std::string, long> behaviours;

    void Merge(const Tally& other);
    std::string Summary() const;
};

struct RunFacts {
    std::string term;
    const ExactCurve* curve = nullptr;
    const ParsedReport* report = nullptr;
    const quadrova::AnalysisState* state = nullptr; // after the run
    bool asked = false;                             // the question about approximation was asked
    bool answer = true;                             // and answered with the action button
};

// Checks every claim of one report and adds the outcome to the tally.
void CheckReport(const RunFacts& facts, Tally& tally);

} // namespace claims
