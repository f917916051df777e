#include "power/worksheet.h"

#include "core/msgcode.h"
#include "core/qmath.h"

#include <algorithm>

namespace quan {

bool colorChoicesValid(const ColorChoices& c)
{
    for (size_t i = 0; i < c.size(); ++i) {
        if (c[i] < 0 || c[i] > 60)
            return false;
        for (size_t k = 0; k < i; ++k)
            if (c[k] == c[i])
                return false;
    }
    return true;
}

void Worksheet::clear()
{
    weights_.clear();
    names_.clear();
    totals_.clear();
    pivotal_.clear();
    counts_.clear();
    quota_ = 0;
}

int Worksheet::build(const std::vector<int64_t>& weights, const std::vector<std::string>& names, int64_t quota)
{
    clear();
    const size_t m = weights.size();
    if (m > static_cast<size_t>(kMaxBlocs))
        return codeOf(Msg::TooManyBlocs);
    weights_ = weights;
    names_ = names;
    names_.resize(m);
    quota_ = quota;
    const size_t rows = size_t{1} << m;
    totals_.assign(rows, 0);
    pivotal_.assign(rows, 0);
    counts_.assign(m, 0);
    // Weights are at most 2^31 - 1 and there are at most ten of them, so a
    // total fits easily in 64 bits.
    for (size_t r = 0; r < rows; ++r) {
        int64_t s = 0;
        for (size_t j = 0; j < m; ++j)
            if ((r >> j) & 1u)
                s += weights_[j];
        totals_[r] = s;
        const bool wins = s >= quota_;
        uint16_t flags = 0;
        for (size_t j = 0; j < m; ++j) {
            const bool in = (r >> j) & 1u;
            const bool decides = wins ? in && s - weights_[j] < quota_ : !in && s + weights_[j] >= quota_;
            if (decides) {
                flags = static_cast<uint16_t>(flags | (1u << j));
                ++counts_[j];
            }
        }
        pivotal_[r] = flags;
    }
    return 0;
}

size_t Worksheet::totalWidth(const std::string& totalHeading) const
{
    size_t w = totalHeading.size();
    for (int64_t s : totals_)
        w = std::max(w, formatInt(s).size());
    return w;
}

size_t Worksheet::fieldWidth() const
{
    size_t w = 0;
    for (size_t j = 0; j < weights_.size(); ++j) {
        w = std::max(w, names_[j].size());
        w = std::max(w, formatInt(weights_[j]).size());
        w = std::max(w, formatInt(counts_[j]).size());
    }
    return w + 2;
}

std::string Worksheet::textOut(const std::string& totalHeading, size_t limit, bool* cut) const
{
    const size_t tw = totalWidth(totalHeading);
    const size_t fw = fieldWidth();
    std::string head = padLeft(totalHeading, tw);
    for (const std::string& n : names_)
        head += padLeft(n, fw);
    const std::string rule(head.size(), '-');
    std::string tail = rule + "\r\n" + std::string(tw, ' ');
    for (int64_t c : counts_)
        tail += padLeft(formatInt(c), fw);
    tail += "\r\n";

    std::string text = head + "\r\n" + rule + "\r\n";
    bool wasCut = false;
    const size_t lineLength = tw + fw * weights_.size() + 2;
    for (int r = 0; r < rowCount(); ++r) {
        if (text.size() + lineLength + tail.size() > limit) {
            wasCut = true;
            break;
        }
        text += padLeft(formatInt(total(r)), tw);
        for (int j = 0; j < blocCount(); ++j)
            text += padLeft(formatInt(entry(r, j)), fw);
        text += "\r\n";
    }
    text += tail;
    if (cut)
        *cut = wasCut;
    return text;
}

} // namespace quan
