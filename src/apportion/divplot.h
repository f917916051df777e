// The divisor watch plot as a plain type: for each state (in the table's
// display order) a horizontal axis whose x coordinate is the divisor, tick
// marks at the divisors where the state's seat count changes, and the
// count at the current divisor D; and the title. The window draws what
// this computes.
#pragma once

#include "apportion/apportion.h"

#include <string>
#include <vector>

namespace quan {

// The quota at which a state goes from k to k + 1 seats under divisor
// method m: Jefferson k + 1, Webster k + 1/2, Adams k, Huntington-Hill
// sqrt(k (k + 1)), Dean 2k(k + 1)/(2k + 1) (the [min=1] variants as their
// methods); a value below 1e-16 counts as 1.
Real criticalCount(int m, long long k);

// Where the ticks of a state of population p fall inside [xmin, xmax],
// from the right: the tick for k stands at p / criticalCount(m, k) and is
// drawn when k > 0 or m is plain Jefferson or plain Webster. Ticks run
// leftwards until one lies less than minGap (three pixels, in world units)
// left of the drawable tick before it, on screen or not, or leaves the
// range. Any k may be drawn: the first ticks are those at the right edge.
std::vector<Real> divisorTicks(int m, Real p, Real xmin, Real xmax, Real minGap);

struct DivisorPlotRow {
    int record = 0;      // the table's record
    std::string name;
    Real population = 0;
    long long count = 0; // seats at D
    // The nearest ticks on either side of D: the largest tick divisor below
    // D (where the state gains a seat) and the smallest above (where it
    // loses one); 0 where there is none.
    Real gainsBelow = 0, losesAbove = 0;
    std::vector<Real> ticks; // inside the view, right to left
};

struct DivisorPlotView {
    Real xmin = 0, xmax = 1;
    Real minGap = 0; // three pixels in world units
    // The rows whose axes are drawn (display positions, inclusive; an
    // empty range when last < first).
    int firstRow = 0, lastRow = -1;
};

class DivisorPlot {
public:
    // Rows for every displayed state (ticks only for the rows in view).
    void compute(const AppTable& t, const DivisorPlotView& v);
    const std::vector<DivisorPlotRow>& rows() const { return rows_; }
    Real divisor() const { return divisor_; }
    long long total() const { return total_; }

    // D with the given decimals, "  ===>  ", "total reps", " = " and the
    // seats the table assigns at D.
    static std::string title(const AppTable& t, int decimals);
    // Text out: a line per displayed state with its seats at D and the
    // ticks on either side ("-" where there is none), then the title.
    std::string textOut(const AppTable& t, int decimals) const;

private:
    std::vector<DivisorPlotRow> rows_;
    Real divisor_ = 0;
    long long total_ = 0;
};

} // namespace quan
