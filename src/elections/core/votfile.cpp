#include "elections/core/votfile.h"

#include "core/msgcode.h"
#include "docfile/document.h"

namespace quan {

namespace {

constexpr int kCannotOpen = codeOf(Msg::CannotOpenFile);

bool isAsciiLetter(int32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

} // namespace

void writeVot(ByteWriter& w, const VotDocument& doc)
{
    const ElectionState& s = doc.election.state();
    int64_t sum = 0;
    for (const Ballot& b : s.ballots)
        sum += b.count;
    DocumentWords words{};
    words[0] = s.n;
    words[1] = kVotPointsWords;
    words[2] = s.current;
    words[3] = s.switches.plurality ? 1 : 0;
    words[4] = s.switches.borda ? 1 : 0;
    words[5] = s.switches.condorcet ? 1 : 0;
    words[6] = s.switches.runoff ? 1 : 0;
    words[7] = s.switches.graph ? 1 : 0;
    words[8] = static_cast<int32_t>(sum > kMaxVotes ? kMaxVotes : sum);
    writeDocumentStart(w, doc.header, kKindGraph, words);
    for (const Ballot& b : s.ballots)
        w.i32(b.count);
    for (int32_t p : s.points)
        w.i32(p);
    for (char c : s.names)
        w.i32(static_cast<unsigned char>(c));
    w.fileString(fieldText(doc.notebook, kVotNotebookChars));
}

int writeVot(const std::string& path, const VotDocument& doc)
{
    ByteWriter w;
    writeVot(w, doc);
    return saveDocumentBytes(path, w);
}

int readVot(const uint8_t* data, size_t size, VotDocument& out, Random& rng, const Poll& poll)
{
    ByteReader r(data, size);
    HeaderState header = out.header;
    DocumentWords words{};
    if (!readDocumentStart(r, kKindGraph, header, words))
        return kCannotOpen;
    const int32_t n = words[0];
    const int32_t pointWords = words[1];
    if (n < kMinCandidates || n > kMaxCandidates || pointWords < kVotPointsWords)
        return kCannotOpen;
    // The tally follows the current ballot's order before the ballot
    // manager picks a new one: it must lie in the list.
    if (words[2] < 0 || words[2] >= factorial(n))
        return kCannotOpen;
    ElectionState s;
    s.n = n;
    s.current = words[2];
    s.ballots = ballotList(n);
    s.switches.plurality = words[3] != 0;
    s.switches.borda = words[4] != 0;
    s.switches.condorcet = words[5] != 0;
    s.switches.runoff = words[6] != 0;
    s.switches.graph = words[7] != 0;
    int64_t sum = 0;
    for (Ballot& b : s.ballots) {
        b.count = r.i32();
        if (b.count < 0)
            return kCannotOpen;
        sum += b.count;
    }
    if (sum > kMaxVotes)
        return kCannotOpen;
    s.total = static_cast<int32_t>(sum);
    std::array<int32_t, kMaxCandidates> points{};
    for (int32_t& p : points)
        p = r.i32();
    // Points words past the sixth are read past: a word count is no promise
    // that the bytes are there, so the skip checks them.
    const auto extra = static_cast<size_t>(pointWords - kVotPointsWords);
    if (extra > 0 && !r.skip(4 * extra))
        return kCannotOpen;
    // Points are taken as stored, rising or equal ones too (older files
    // hold such last places after a restore); a negative one in use would
    // make negative totals that no ranking can place.
    for (int p = 0; p < n; ++p)
        if (points[static_cast<size_t>(p)] < 0)
            return kCannotOpen;
    s.points = points;
    for (char& c : s.names) {
        const int32_t word = r.i32();
        if (!isAsciiLetter(word))
            return kCannotOpen;
        c = static_cast<char>(word);
    }
    std::string notebook = r.fileString(kVotNotebookChars);
    if (r.failed())
        return kCannotOpen;
    int code = 0;
    if (pointWords > kVotPointsWords) {
        code = codeOf(Msg::InconsistentData);
        std::vector<int32_t> counts(s.ballots.size());
        if (drawExample(counts, s.total, rng, poll))
            for (size_t i = 0; i < counts.size(); ++i)
                s.ballots[i].count = counts[i];
    }
    out.header = header;
    out.election.load(s);
    out.notebook = std::move(notebook);
    return code;
}

int readVot(const std::string& path, VotDocument& out, Random& rng, const Poll& poll)
{
    Bytes bytes;
    if (!readFileBytes(path, bytes, kVotMaxFileBytes))
        return kCannotOpen;
    return readVot(bytes, out, rng, poll);
}

} // namespace quan
