// Properties the election readers keep for any input, shared by the
// libFuzzer target fuzz_vot and by the always-run robustness test of
// tests/elections: the ".vot" reader and the pasted profile. Each check
// returns an empty string when all hold, else what went wrong.
#pragma once

#include <string>

#include "elections/core/election.h"
#include "elections/core/summary.h"
#include "elections/core/votfile.h"

namespace quan::fuzzcheck {

inline VotDocument sentinelVot()
{
    VotDocument d;
    Random rng;
    rng.seed(6561);
    d.election = Election::newWindow(rng);
    d.notebook = "sentinel notes";
    return d;
}

// What every election must satisfy after any accepted input.
inline std::string checkElection(const Election& e)
{
    const int n = e.candidates();
    if (n < kMinCandidates || n > kMaxCandidates || e.ballotCount() != factorial(n))
        return "a candidate count or list outside its range";
    int64_t sum = 0;
    for (const Ballot& b : e.ballots()) {
        if (b.count < 0)
            return "a negative count";
        sum += b.count;
    }
    if (sum != e.total() || sum > kMaxVotes)
        return "T is not the counts' sum";
    if (e.current() < 0 || e.current() >= e.ballotCount())
        return "a current ballot outside the list";
    // Files may hold equal or rising places (kept as stored), never
    // negative ones.
    for (int p = 0; p < n; ++p)
        if (e.points()[static_cast<size_t>(p)] < 0)
            return "negative points in use";
    for (int c = 0; c < kMaxCandidates; ++c) {
        const char x = e.name(c);
        if (!((x >= 'A' && x <= 'Z') || (x >= 'a' && x <= 'z')))
            return "a name that is no letter";
    }
    if (e.total() >= 1) {
        const Tally& t = e.tally();
        int64_t firsts = 0;
        for (int c = 0; c < n; ++c)
            firsts += t.position[static_cast<size_t>(c)][0];
        if (firsts != e.total())
            return "first places do not add up to T";
        const std::string text = summaryText(e);
        if (text.empty() || text.size() > kElectionSummaryChars)
            return "summary empty or too long";
    }
    return "";
}

// A read with a poll that gives up after a few polls, so that a large
// example over two candidates cannot hold the run up.
inline int readVotQuickly(const uint8_t* data, size_t size, VotDocument& doc)
{
    Random rng;
    rng.seed(1);
    int polls = 0;
    return readVot(data, size, doc, rng, [&polls]() { return ++polls > 2 ? 'Q' : 0; });
}

inline std::string checkVot(const uint8_t* data, size_t size)
{
    const VotDocument before = sentinelVot();
    VotDocument doc = before;
    const int code = readVotQuickly(data, size, doc);
    if (code == 11)
        return doc == before ? "" : "a refused .vot read changed the document";
    if (code != 0 && code != 6)
        return "readVot returned " + std::to_string(code);
    if (doc.notebook.size() > kVotNotebookChars)
        return "a notebook past 64000 characters";
    if (doc.election.canUndo() || doc.election.canRestore())
        return "a read kept the undo list or restore";
    if (std::string p = checkElection(doc.election); !p.empty())
        return p;
    ByteWriter first;
    writeVot(first, doc);
    VotDocument again = before;
    if (readVotQuickly(first.data().data(), first.size(), again) != 0)
        return "cannot read a rewritten document";
    if (!(again.election.state() == doc.election.state()))
        return "a rewritten document reads back otherwise";
    ByteWriter second;
    writeVot(second, again);
    return first.data() == second.data() ? "" : ".vot round trip is not stable";
}

// The profile text pasted into an election of the 55-voter example's
// five candidates (and of three candidates with one-letter names in both
// cases): refused text changes nothing, accepted text gives counts that
// copy back to the same profile.
inline std::string checkProfile(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* names : {"ABCDE", "xYz"}) {
        Random rng;
        rng.seed(55);
        Election e = Election::newWindow(rng);
        if (e.newNames(names, rng) != 0)
            return "cannot set the names";
        const Election before = e;
        const int code = e.pasteProfile(text);
        if (code != 0) {
            if (code != 1 && code != 6 && code != 14 && code != 16 && code != 17 && code != 23)
                return "pasteProfile returned " + std::to_string(code);
            if (!(e == before))
                return "a refused paste changed the election";
            continue;
        }
        if (std::string p = checkElection(e); !p.empty())
            return p;
        if (e.current() != before.current() || e.canUndo())
            return "a paste moved the current ballot or kept the undo list";
        Election copy = before;
        if (copy.pasteProfile(e.profileText()) != (e.total() > 0 ? 0 : 23))
            return "the copied profile does not paste";
        if (e.total() > 0 && !(copy.state() == e.state()))
            return "the copied profile pastes otherwise";
    }
    return "";
}

} // namespace quan::fuzzcheck
