// The election document file (".vot"): the common header (kind 6561, the
// graph files' number, version 6), a block of 50 words (candidate count,
// number of points words, current ballot, the five switches, T), the n!
// counts in dictionary order, the points words, six name words and the
// notebook text.
#pragma once

#include "docfile/header.h"
#include "elections/core/election.h"

#include <cstdint>
#include <string>

namespace quan {

inline constexpr size_t kVotNotebookChars = 64000;
// The points words a file holds as this program writes it.
inline constexpr int32_t kVotPointsWords = 6;
// No file of at most 720 counts comes near this.
inline constexpr size_t kVotMaxFileBytes = 16u << 20;

struct VotDocument {
    HeaderState header = headerStateFor(kKindGraph);
    Election election;
    std::string notebook; // at most 64 000 characters

    bool operator==(const VotDocument&) const = default;
};

// Appends the file to w (six points words; T written as the counts' sum).
void writeVot(ByteWriter& w, const VotDocument& doc);
// Saves the file whole or not at all: 0, or 12 "cannot save file".
int writeVot(const std::string& path, const VotDocument& doc);

// Reads a file into out: 0; 11 "cannot open file" with out exactly as it
// was for an unreadable, foreign, newer or cut-short file, a candidate
// count outside 2..6, a points-count word below 6, a current ballot
// outside 0..n!-1, a negative count, counts summing past 2147483647, a
// negative points word among the first n or a name word that is no ASCII
// letter; or 6 "inconsistent data" for a points-count word of 7 or more:
// the file is taken, its first six points words kept and the others read
// past, and its counts replaced by a random example of their sum (should Q
// stop that example the file's counts stay). The stored T is not trusted:
// T is the counts' sum. Non-negative points are kept as stored, decreasing
// or not. The stored current ballot is kept, so that what the writer wrote
// reads back and writes again byte for byte; the window, refreshing its
// ballot manager after the read, picks one at random
// (Election::pickCurrentAtRandom). A read empties the undo list and
// disables Restore (Election::load).
int readVot(const uint8_t* data, size_t size, VotDocument& out, Random& rng, const Poll& poll = {});
inline int readVot(const Bytes& bytes, VotDocument& out, Random& rng, const Poll& poll = {})
{
    return readVot(bytes.data(), bytes.size(), out, rng, poll);
}
int readVot(const std::string& path, VotDocument& out, Random& rng, const Poll& poll = {});

} // namespace quan
