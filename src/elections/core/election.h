// The election document: two to six candidates with one-letter names, the
// count of every preference ballot (the list of all n! orders in
// dictionary order), the total T, the Borda points, the current ballot and
// the report switches, with its tally; and the operations of the ballot
// manager, the points dialog and the profile commands.
//
// Every operation returns 0 or a message code (core/msgcode.h) and on a
// code leaves the document exactly as it was (the one exception is the
// three-winner search that gives up, code 2: it keeps its last attempt,
// and with two candidates its one example). After an operation that
// returned 0 (or the search's 2) the document has changed: the window
// marks it modified, rebuilds the summary and refreshes the ballot
// manager; the report switches are view settings and do not mark it. The
// window puts the save-changes question itself, before Zeros, before New
// names with another number of letters (lettersOf(text).size() !=
// candidates()) when the document is modified, and before Paste profile.
//
// Long operations (Random, the search, New names with another number of
// names) take the shared generator and a poll; Q stops them with
// everything unchanged (code 28 "stopped"), the search with code 2.
#pragma once

#include "elections/core/ballots.h"
#include "elections/core/tally.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quan {

// The three-winner search gives up when its attempt counter exceeds this.
inline constexpr int kSearchAttempts = 1000;
// A new window's total and the total Random offers when T is below 1.
inline constexpr int32_t kDefaultVotes = 10000;
// The amount edit is read up to this many characters, the names edit up
// to 19, a points edit up to 9.
inline constexpr size_t kAmountChars = 49;
inline constexpr size_t kNamesChars = 19;
inline constexpr size_t kPointsChars = 9;

struct ReportSwitches {
    bool plurality = true;
    bool borda = false;
    bool condorcet = false;
    bool runoff = true;
    bool graph = false;
    bool operator==(const ReportSwitches&) const = default;
};

// What a file holds and what "restore" brings back.
struct ElectionState {
    int n = 5;
    // Six name slots, each an ASCII letter; the first n in use.
    std::array<char, kMaxCandidates> names{'A', 'B', 'C', 'D', 'E', 'F'};
    // The n! ballots in dictionary order with their counts.
    std::vector<Ballot> ballots = ballotList(5);
    // The sum of the counts, at most kMaxVotes.
    int32_t total = 0;
    // Index of the current ballot in the list.
    int current = 0;
    // Points for first, second, ... place; the first n non-negative and
    // strictly decreasing.
    std::array<int32_t, kMaxCandidates> points{4, 3, 2, 1, 0, 0};
    ReportSwitches switches;

    bool operator==(const ElectionState&) const = default;
};

// The classic points n-1, n-2, ..., 0 in the first n places (the rest
// kept).
void classicPoints(std::array<int32_t, kMaxCandidates>& points, int n);
// True when the first n points are non-negative and strictly decreasing.
bool pointsValid(const std::array<int32_t, kMaxCandidates>& points, int n);

// The letters of a text cut to its first limit characters, in order
// (every other character dropped): what New names takes.
std::string lettersOf(const std::string& text, size_t limit = kNamesChars);
// The amount edit: a signed decimal integer (blanks around it allowed) of
// the first 49 characters; any other text reads as 0.
long long amountFromText(const std::string& text, size_t limit = kAmountChars);

class Election {
public:
    // Five candidates A..E, every count 0 (T 0), the first ballot
    // current, classic points, plurality and runoff reports on.
    Election();
    // A new window: as above with a random example of 10000 votes and a
    // random current ballot.
    static Election newWindow(Random& rng);

    // --- the document ------------------------------------------------------
    const ElectionState& state() const { return s_; }
    int candidates() const { return s_.n; }
    int ballotCount() const { return static_cast<int>(s_.ballots.size()); }
    int32_t total() const { return s_.total; }
    int current() const { return s_.current; }
    const std::vector<Ballot>& ballots() const { return s_.ballots; }
    const std::array<int32_t, kMaxCandidates>& points() const { return s_.points; }
    const ReportSwitches& switches() const { return s_.switches; }
    char name(int c) const { return s_.names[static_cast<size_t>(c)]; }
    // The names in use, "ABCDE".
    std::string namesText() const;
    // A ballot written as its candidates' names, best first ("ADECB").
    std::string ballotText(int index) const;
    // The tally of the latest change (kept from before while T < 1).
    const Tally& tally() const { return tally_; }
    // Whether the three leaders differ and the Condorcet leader has more
    // wins than the second: what the search looks for.
    bool threeWinners() const;

    // --- ballot manager ----------------------------------------------------
    bool canUndo() const { return !undo_.empty(); }
    bool canDrop() const { return s_.n >= 3; }
    bool canRestore() const { return saved_.has_value(); }
    size_t undoDepth() const { return undo_.size(); }

    // Makes a ballot current (the sequence follows it): 17 outside the list.
    int selectBallot(int index);
    // Adds amount votes to the current ballot and to T and remembers the
    // cast: 6 when the count would become negative, 17 when the count or
    // T would pass 2147483647.
    int cast(long long amount);
    // Takes back the newest cast: 9 with nothing to undo; 6 or 17 when
    // the counts have changed since (by Random) so that it cannot be
    // taken back, the cast then staying on the list.
    int undo();
    // Every count and T 0, the tables cleared, the undo list emptied, a
    // random current ballot.
    int zeros(Random& rng);
    // A total of votes spread at random (manyWinners: the three-winner
    // search): 14 for a total below 1, 17 above 2147483647; 28 when Q
    // stopped a single example; 2 when the search gave up (after more
    // than 1000 attempts or on Q: the counts of its last whole attempt
    // stay, with the new T; a Q inside the first attempt changes
    // nothing), and at once after one example with two candidates, who
    // can never be three winners. The current ballot and the undo list
    // stay.
    int random(long long total, bool manyWinners, Random& rng, const Poll& poll = {});
    // New names from the names edit (its first 19 characters, letters
    // only): 20 for more than six letters, 105 for fewer than two. With as
    // many letters as candidates only the names change; otherwise the
    // candidates become that many, the points classic, and a random
    // example of T votes is drawn (28 when Q stopped it). The undo list is
    // emptied and a current ballot picked at random.
    int newNames(const std::string& text, Random& rng, const Poll& poll = {});
    // Drops candidate d (0-based): 7 with fewer than three candidates, 5
    // for d outside them. The election is saved for restore; the ballots
    // that differ only in d's place are merged; the points become classic;
    // a random current ballot; the undo list emptied.
    int drop(int d, Random& rng);
    // Brings back the election saved by the latest drop whole: candidates,
    // names, counts, T, points and current ballot (the switches stay as
    // they are now): 7 when there is nothing to restore. The undo list is
    // emptied.
    int restore();
    // The points for the first n places (values[0..n-1]), place by place:
    // 14 at the first negative value, 6 at the first value not below the
    // previous one, 17 past 2147483647.
    int setPoints(const std::vector<long long>& values);
    // The same from the dialog's edits (each its first 9 characters read
    // as a decimal integer, any other text as 0).
    int setPointsFromTexts(const std::vector<std::string>& texts);
    // The report switches (view settings: the window does not mark the
    // document modified).
    void setSwitches(const ReportSwitches& s) { s_.switches = s; }

    // --- profiles ----------------------------------------------------------
    // Paste profile: one line per ballot, a count and an order of the
    // candidates' names ("18 ADECB"; blanks, '>', ',' and the like may
    // separate the letters, and the count may stand after the order).
    // Lines without letters or digits are skipped; a letter matches its
    // candidate's name exactly, or else the one name equal to it in
    // another case. An order must name every candidate once; the last
    // place may be left out (it is then the one candidate not named).
    // Counts of the same order add up. The counts become the profile's
    // (every other ballot 0), T their sum; the current ballot stays, the
    // undo list is emptied. Codes: 1 a line without exactly one number,
    // or without letters, or with letters that are no candidate's; 6 a
    // candidate named twice, an order too short, or names that are not
    // distinct; 14 a negative count; 16 a count that is not whole; 17 a
    // count or the total past 2147483647; 23 no profile line at all.
    int pasteProfile(const std::string& text);
    // Copy profile: the same lines for every ballot with a count above 0,
    // in list order, each ended with CR LF.
    std::string profileText() const;

    // What refilling the ballot manager's lists does: a current ballot
    // drawn at random (uniform over the list), the tally redone. Zeros, New
    // names and Drop do it themselves; the window does it after opening a
    // file.
    void pickCurrentAtRandom(Random& rng);

    // --- files ---------------------------------------------------------------
    // Takes a checked state read from a file (n in 2..6, the list of
    // n! ballots, T the counts' sum, letters for names, non-negative points; a
    // current ballot outside the list becomes the first): the undo list is
    // emptied, restore disabled and the tally made. The current ballot is
    // kept, so that a file reads and writes back byte for byte; the window
    // then refreshes its ballot manager, which picks one at random.
    void load(const ElectionState& state);

    bool operator==(const Election&) const = default;

private:
    struct Cast {
        int ballot;
        int32_t amount;
        bool operator==(const Cast&) const = default;
    };
    int addVotes(int ballot, long long amount);
    void retally();

    ElectionState s_;
    std::optional<ElectionState> saved_;
    std::vector<Cast> undo_;
    Tally tally_;
};

} // namespace quan
