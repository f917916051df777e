// The tournament of an election as a graph: one vertex per candidate on a
// circle, named by the candidate, and with the graph switch on an edge
// between every two candidates, directed from the head-to-head winner
// (undirected on a tie); and the shortest cycle of the strict majorities,
// the Condorcet paradox, highlighted with its summary line.
#pragma once

#include "elections/core/election.h"
#include "graphs/core/examples.h"
#include "graphs/core/graph.h"

#include <string>
#include <vector>

namespace quan {

// The label state of the candidates: the user text without icon with the
// graph switch on, nothing with it off.
inline constexpr int kTournamentLabelOn = labelState(TextUser, IconNone);
inline constexpr int kTournamentLabelOff = labelState(TextNone, IconNone);

// A shortest directed cycle of "a beats b" (pairwise[a][b] > pairwise[b][a])
// among the first n candidates: its candidates in cycle order, starting at
// its lowest index; among cycles of the same length the one whose list
// comes first. Empty when the majorities are acyclic (a tournament with a
// cycle always has one of length 3, but ties can leave longer ones only).
std::vector<int> shortestMajorityCycle(const CandidateTable& pairwise, int n);

// "majority cycle: A B C" for a cycle of the election's candidates.
std::string majorityCycleText(const Election& e, const std::vector<int>& cycle);

// Replaces the graph (which must have at least six slots) by the
// election's tournament: n vertices on the circle example's layout (vertex
// i at angle 2 pi i / n about the origin, radius 0.8 min(rx, ry)), each
// with the candidate's name as its user text and the label state above;
// with the switch on every pair joined by an edge of weight 0 directed from
// the head-to-head winner, undirected on a tie (and every edge undirected
// while T is below 1: the tables then count nobody). Digraph mode on,
// weights hidden, valences counted, not modified; with the switch on and a
// majority cycle, the cycle's edges are the solution's and its text the
// summary line.
void buildTournament(Graph& g, const Election& e, const ExampleView& view);

} // namespace quan
