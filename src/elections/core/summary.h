// The election summary: the plain text of the four reports (plurality,
// runoffs, Borda points, Condorcet) that the election's text window shows,
// and its title. Lines end with CR LF.
#pragma once

#include "elections/core/election.h"

#include <string>

namespace quan {

// The size of the summary's buffer; the text never comes near it.
inline constexpr size_t kElectionSummaryChars = 64000;

// The reports whose switches are on, in the order plurality, runoffs,
// Borda, Condorcet; empty when T is below 1.
std::string summaryText(const Election& e);
// "election summary (10000 total votes)".
std::string summaryTitle(const Election& e);

// The single reports (each ends with an empty line).
std::string pluralityReport(const Election& e);
std::string runoffReport(const Election& e);
std::string bordaReport(const Election& e);
std::string condorcetReport(const Election& e);

} // namespace quan
