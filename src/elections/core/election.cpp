#include "elections/core/election.h"

#include "core/msgcode.h"
#include "core/numberscan.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

void setCounts(std::vector<Ballot>& ballots, const std::vector<int32_t>& counts)
{
    for (size_t i = 0; i < ballots.size() && i < counts.size(); ++i)
        ballots[i].count = counts[i];
}

bool threeWinnersOf(const Tally& t, int n)
{
    if (n < 3)
        return false;
    const int p = t.plurality[0], b = t.bordaRanking[0], c = t.condorcet[0];
    return p != b && p != c && b != c &&
        t.wins[static_cast<size_t>(c)] > t.wins[static_cast<size_t>(t.condorcet[1])];
}

} // namespace

void classicPoints(std::array<int32_t, kMaxCandidates>& points, int n)
{
    for (int p = 0; p < n && p < kMaxCandidates; ++p)
        points[static_cast<size_t>(p)] = n - 1 - p;
}

bool pointsValid(const std::array<int32_t, kMaxCandidates>& points, int n)
{
    for (int p = 0; p < n && p < kMaxCandidates; ++p) {
        const int32_t v = points[static_cast<size_t>(p)];
        if (v < 0 || (p > 0 && v >= points[static_cast<size_t>(p - 1)]))
            return false;
    }
    return true;
}

std::string lettersOf(const std::string& text, size_t limit)
{
    std::string out;
    for (size_t i = 0; i < text.size() && i < limit; ++i)
        if (isAsciiLetter(text[i]))
            out += text[i];
    return out;
}

long long amountFromText(const std::string& text, size_t limit)
{
    long long v = 0;
    return parseDecimalInteger(text.substr(0, limit), v) ? v : 0;
}

Election::Election()
{
    tally_ = computeTally(s_.ballots, s_.n, s_.points, s_.current);
}

Election Election::newWindow(Random& rng)
{
    Election e;
    e.s_.total = kDefaultVotes;
    std::vector<int32_t> counts(e.s_.ballots.size());
    drawExample(counts, e.s_.total, rng);
    setCounts(e.s_.ballots, counts);
    e.pickCurrentAtRandom(rng);
    return e;
}

std::string Election::namesText() const
{
    return std::string(s_.names.begin(), s_.names.begin() + s_.n);
}

std::string Election::ballotText(int index) const
{
    if (index < 0 || index >= ballotCount())
        return "";
    std::string s;
    for (int p = 0; p < s_.n; ++p)
        s += name(s_.ballots[static_cast<size_t>(index)].order[static_cast<size_t>(p)]);
    return s;
}

bool Election::threeWinners() const { return s_.total >= 1 && threeWinnersOf(tally_, s_.n); }

void Election::retally()
{
    if (s_.total >= 1)
        tally_ = computeTally(s_.ballots, s_.n, s_.points, s_.current);
}

void Election::pickCurrentAtRandom(Random& rng)
{
    s_.current = rng.below(ballotCount());
    retally();
}

int Election::selectBallot(int index)
{
    if (index < 0 || index >= ballotCount())
        return codeOf(Msg::OutOfBounds);
    s_.current = index;
    retally();
    return 0;
}

int Election::addVotes(int ballot, long long amount)
{
    if (ballot < 0 || ballot >= ballotCount())
        return codeOf(Msg::OutOfBounds);
    int32_t& count = s_.ballots[static_cast<size_t>(ballot)].count;
    if (amount < -kMaxVotes || (amount <= kMaxVotes && count + amount < 0))
        return codeOf(Msg::InconsistentData);
    if (amount > kMaxVotes || count + amount > kMaxVotes || s_.total + amount > kMaxVotes)
        return codeOf(Msg::OutOfBounds);
    count = static_cast<int32_t>(count + amount);
    s_.total = static_cast<int32_t>(s_.total + amount);
    retally();
    return 0;
}

int Election::cast(long long amount)
{
    const int code = addVotes(s_.current, amount);
    if (code == 0)
        undo_.push_back({s_.current, static_cast<int32_t>(amount)});
    return code;
}

int Election::undo()
{
    if (undo_.empty())
        return codeOf(Msg::NothingToDo);
    const Cast last = undo_.back();
    const int code = addVotes(last.ballot, -static_cast<long long>(last.amount));
    if (code == 0)
        undo_.pop_back();
    return code;
}

int Election::zeros(Random& rng)
{
    for (Ballot& b : s_.ballots)
        b.count = 0;
    s_.total = 0;
    tally_ = Tally{};
    undo_.clear();
    pickCurrentAtRandom(rng);
    return 0;
}

int Election::random(long long total, bool manyWinners, Random& rng, const Poll& poll)
{
    if (total < 1)
        return codeOf(Msg::PositiveValue);
    if (total > kMaxVotes)
        return codeOf(Msg::OutOfBounds);
    const auto votes = static_cast<int32_t>(total);
    ElectionState w = s_;
    w.total = votes;
    std::vector<int32_t> counts(w.ballots.size());
    if (!manyWinners || w.n < 3) {
        if (!drawExample(counts, votes, rng, poll))
            return codeOf(manyWinners ? Msg::CouldNotFind : Msg::Stopped);
        setCounts(w.ballots, counts);
        s_ = std::move(w);
        retally();
        return manyWinners ? codeOf(Msg::CouldNotFind) : 0;
    }
    bool attempted = false;
    Tally t;
    for (int attempts = 0;;) {
        if (!drawExample(counts, votes, rng, poll))
            break;
        setCounts(w.ballots, counts);
        t = computeTally(w.ballots, w.n, w.points, w.current);
        attempted = true;
        if (threeWinnersOf(t, w.n)) {
            s_ = std::move(w);
            tally_ = t;
            return 0;
        }
        if (++attempts > kSearchAttempts)
            break;
        if (poll && quitKey(poll()))
            break;
    }
    if (attempted) {
        s_ = std::move(w);
        tally_ = t;
    }
    return codeOf(Msg::CouldNotFind);
}

int Election::newNames(const std::string& text, Random& rng, const Poll& poll)
{
    const std::string letters = lettersOf(text, kNamesChars);
    const int count = static_cast<int>(letters.size());
    if (count > kMaxCandidates)
        return codeOf(Msg::TooLarge);
    if (count < kMinCandidates)
        return codeOf(Msg::NotEnoughData);
    ElectionState w = s_;
    for (size_t i = 0; i < letters.size(); ++i)
        w.names[i] = letters[i];
    if (count != w.n) {
        w.n = count;
        w.ballots = ballotList(count);
        classicPoints(w.points, count);
        std::vector<int32_t> counts(w.ballots.size());
        if (!drawExample(counts, w.total, rng, poll))
            return codeOf(Msg::Stopped);
        setCounts(w.ballots, counts);
        tally_ = Tally{};
    }
    s_ = std::move(w);
    undo_.clear();
    pickCurrentAtRandom(rng);
    return 0;
}

int Election::drop(int d, Random& rng)
{
    if (!canDrop())
        return codeOf(Msg::NotPossibleHere);
    if (d < 0 || d >= s_.n)
        return codeOf(Msg::NothingSelected);
    saved_ = s_;
    ElectionState w = s_;
    for (int i = d; i + 1 < kMaxCandidates; ++i)
        w.names[static_cast<size_t>(i)] = w.names[static_cast<size_t>(i + 1)];
    w.n = s_.n - 1;
    w.ballots = ballotList(w.n);
    classicPoints(w.points, w.n);
    for (const Ballot& b : s_.ballots) {
        std::array<int32_t, kMaxCandidates> shorter{};
        int k = 0;
        for (int p = 0; p < s_.n; ++p) {
            const int32_t c = b.order[static_cast<size_t>(p)];
            if (c != d)
                shorter[static_cast<size_t>(k++)] = c > d ? c - 1 : c;
        }
        const int at = locateOrder(w.ballots, w.n, shorter.data());
        if (at >= 0)
            w.ballots[static_cast<size_t>(at)].count += b.count;
    }
    s_ = std::move(w);
    undo_.clear();
    tally_ = Tally{};
    pickCurrentAtRandom(rng);
    return 0;
}

int Election::restore()
{
    if (!saved_)
        return codeOf(Msg::NotPossibleHere);
    ElectionState r = std::move(*saved_);
    saved_.reset();
    r.switches = s_.switches;
    int64_t sum = 0;
    for (const Ballot& b : r.ballots)
        sum += b.count;
    r.total = static_cast<int32_t>(std::min<int64_t>(sum, kMaxVotes));
    s_ = std::move(r);
    undo_.clear();
    tally_ = Tally{};
    retally();
    return 0;
}

int Election::setPoints(const std::vector<long long>& values)
{
    if (values.size() < static_cast<size_t>(s_.n))
        return codeOf(Msg::MissingData);
    std::array<int32_t, kMaxCandidates> p = s_.points;
    for (size_t i = 0; i < static_cast<size_t>(s_.n); ++i) {
        const long long v = values[i];
        if (v < 0)
            return codeOf(Msg::PositiveValue);
        if (i > 0 && v >= p[i - 1])
            return codeOf(Msg::InconsistentData);
        if (v > kMaxVotes)
            return codeOf(Msg::OutOfBounds);
        p[i] = static_cast<int32_t>(v);
    }
    s_.points = p;
    retally();
    return 0;
}

int Election::setPointsFromTexts(const std::vector<std::string>& texts)
{
    std::vector<long long> values;
    for (const std::string& t : texts)
        values.push_back(amountFromText(t, kPointsChars));
    return setPoints(values);
}

int Election::pasteProfile(const std::string& text)
{
    const int n = s_.n;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (name(i) == name(j))
                return codeOf(Msg::InconsistentData);
    auto candidateOf = [&](char ch) {
        for (int c = 0; c < n; ++c)
            if (name(c) == ch)
                return c;
        int found = -1;
        for (int c = 0; c < n; ++c)
            if (asciiUpper(name(c)) == asciiUpper(ch)) {
                if (found >= 0)
                    return -1;
                found = c;
            }
        return found;
    };
    std::vector<int64_t> counts(s_.ballots.size(), 0);
    int64_t total = 0;
    bool any = false;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::string letters = lettersOf(line, line.size());
        bool more = false;
        const std::vector<Real> numbers = scanNumbers(line, 1, &more);
        if (letters.empty() && numbers.empty())
            continue;
        if (letters.empty() || numbers.size() != 1 || more)
            return codeOf(Msg::CannotUnderstand);
        const Real v = numbers[0];
        if (v < 0)
            return codeOf(Msg::PositiveValue);
        if (v != std::floor(v))
            return codeOf(Msg::IntegerValue);
        if (v > static_cast<Real>(kMaxVotes))
            return codeOf(Msg::OutOfBounds);
        std::array<int32_t, kMaxCandidates> order{};
        std::array<bool, kMaxCandidates> named{};
        if (letters.size() > static_cast<size_t>(n))
            return codeOf(Msg::InconsistentData);
        for (size_t p = 0; p < letters.size(); ++p) {
            const int c = candidateOf(letters[p]);
            if (c < 0)
                return codeOf(Msg::CannotUnderstand);
            if (named[static_cast<size_t>(c)])
                return codeOf(Msg::InconsistentData);
            named[static_cast<size_t>(c)] = true;
            order[p] = c;
        }
        if (letters.size() + 1 == static_cast<size_t>(n)) {
            for (int c = 0; c < n; ++c)
                if (!named[static_cast<size_t>(c)])
                    order[static_cast<size_t>(n - 1)] = c;
        } else if (letters.size() != static_cast<size_t>(n)) {
            return codeOf(Msg::InconsistentData);
        }
        const int at = locateOrder(s_.ballots, n, order.data());
        if (at < 0)
            return codeOf(Msg::InconsistentData);
        const auto count = static_cast<int64_t>(v);
        counts[static_cast<size_t>(at)] += count;
        total += count;
        if (total > kMaxVotes)
            return codeOf(Msg::OutOfBounds);
        any = true;
    }
    if (!any)
        return codeOf(Msg::Empty);
    for (size_t i = 0; i < counts.size(); ++i)
        s_.ballots[i].count = static_cast<int32_t>(counts[i]);
    s_.total = static_cast<int32_t>(total);
    undo_.clear();
    retally();
    return 0;
}

std::string Election::profileText() const
{
    std::string out;
    for (int i = 0; i < ballotCount(); ++i) {
        const int32_t k = s_.ballots[static_cast<size_t>(i)].count;
        if (k > 0)
            out += formatInt(k) + " " + ballotText(i) + "\r\n";
    }
    return out;
}

void Election::load(const ElectionState& state)
{
    s_ = state;
    if (s_.current < 0 || s_.current >= ballotCount())
        s_.current = 0;
    saved_.reset();
    undo_.clear();
    tally_ = Tally{};
    retally();
}

} // namespace quan
