// The apportionment document: a table of up to 99 states with populations and
// a house size, the ten apportionment methods, the divisor and its slider
// range, priority list, comparison of registered apportionments, and the text
// and TeX forms of the table.
//
// The window (TPreAppWin / TAppWin) owns one AppTable and is a thin layer over
// it. Conventions:
//  - Every mutating operation recomputes the table itself (apportion()), so the
//    window only repaints and refreshes its title (titleText()) afterwards.
//  - Operations that can fail return 0 on success or a message code n (the
//    window shows string 400 + n): 1 cannot understand, 6 inconsistent data,
//    9 nothing to do, 14 positive value?, 17 out of bounds, 25 need at least
//    one, 30 not yet available. On failure the table is unchanged.
//  - "row" always means a displayed row (0-based, in display order);
//    "record" means a state in internal order (the order of loading or entry,
//    which sorting never changes).
//  - Texts (priority list, summary, text out, TeX) end their lines with CR LF
//    and never exceed kTextLimit characters.
#pragma once

#include "apportion/horfile.h"

#include "core/qmath.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quan {

constexpr int kMaxStates = 99;
constexpr int kValueColumns = 8;   // numeric columns 0..7
constexpr int kNameColumn = 8;     // the name column in headings and cells
constexpr size_t kNameMax = 50;    // characters of a state name
constexpr size_t kHeadingMax = 20; // characters of a heading
constexpr size_t kTextLimit = 64000;
constexpr int kMaxColumnWidth = 999;

// Numeric columns of a state record.
enum AppColumn {
    kColPop = 0,      // population
    kColPct = 1,      // population percentage
    kColQuota = 2,    // ideal quota (footer: house size H)
    kColReps = 3,     // seats
    kColRepsPct = 4,  // seat percentage
    kColDistrict = 5, // population per seat ("infinite" without a seat)
    kColAdjQuota = 6, // adjusted quota
    kColCrit = 7,     // critical value
};

// Method indices; the menu command is appcmd::MethodBase + index (menu order differs).
enum AppMethod {
    kHamilton = 0,
    kHamiltonMin1 = 1,
    kJefferson = 2,
    kJeffersonMin1 = 3,
    kWebster = 4,
    kWebsterMin1 = 5,
    kAdams = 6,
    kHuntingtonHill = 7,
    kDean = 8,
    kLowndes = 9,
};
constexpr int kMethodCount = 10;
constexpr bool isDivisorMethod(int m) { return m >= 2 && m <= 8; }
std::string methodShortName(int m); // " Ham", "Ham+", ... (strings 260..269)
std::string methodLongName(int m);  // "Hamilton", ...    (strings 270..279)

// Arrange-by keys.
constexpr int kArrangeName = -1;
constexpr int kArrangePopulation = 0;
constexpr int kArrangeDistrict = 5;
constexpr int kArrangeCritical = 7;

struct StateRecord {
    std::array<Real, kValueColumns> v{};
    std::string name;
};

// An entry of the comparison list.
struct RegisteredApportionment {
    std::vector<int32_t> seats; // per state, internal order
    int32_t house = 0;
    int method = 0;
    int32_t divisor = 0; // roundHalfDown(T/H) for 0, 1, 9; roundHalfDown(D) otherwise
    std::string heading;
};

// What the window must do after setMethod().
struct MethodChange {
    bool changed = false;             // false: same method, nothing happened
    bool closeDivisorWindows = false; // close the divisor dialog and the watch window
    bool closePriorityList = false;   // close an open priority list text window
    bool showDivisorDialog = false;   // open (or show) the divisor dialog, place its slider
};

// A bloc of the Electoral College window.
struct ElectoralBloc {
    std::string name;
    int32_t weight = 0;
    int32_t figure = 0;
};

class AppTable {
public:
    // A new table: the 2010 census, Hamilton's method, default layout; the
    // spare records hold population 5000 and the names "name 01" .. "name 99".
    AppTable();

    // ---- Data -------------------------------------------------------------
    int stateCount() const { return n_; }
    const StateRecord& record(int i) const { return rows_.at(static_cast<size_t>(i)); }
    int recordOfRow(int row) const { return order_.at(static_cast<size_t>(row)); }
    const StateRecord& rowRecord(int row) const { return record(recordOfRow(row)); }
    // Footer: total population, 100, H, seats assigned, 100, T/H, 0, 0.
    const std::array<Real, kValueColumns>& totals() const { return totals_; }
    int32_t house() const { return roundHalfDown(totals_[kColQuota]); }
    Real totalPopulation() const { return totals_[kColPop]; }
    Real seatsAssigned() const { return totals_[kColReps]; }

    int method() const { return method_; }
    Real divisor() const { return divisor_; }
    Real sliderLeft() const { return left_; }
    Real sliderRight() const { return right_; }

    // ---- Computation ------------------------------------------------------
    // Recomputes every derived column and the totals from the populations,
    // H, the method and the divisor.
    void apportion();
    // Derives the slider range [L, R] of the divisor methods (from Jefferson
    // [min=1] and Adams at D = T/H), keeps D when it lies inside, else D = T/H;
    // recomputes.
    void deriveDivisorRange();
    // Method change (m in 0..9, else code 17 through `code`).
    MethodChange setMethod(int m, int* code = nullptr);
    // Stores D (finite and > 0, else 17) and recomputes.
    int setDivisor(Real d);
    // True when the seats assigned equal H (within 0.1).
    bool correctDivisor() const;
    // " [Webster; 123.45 correct divisor]" plus "   Esc cancels autofeed".
    std::string titleText() const;

    // ---- Divisor dialog ---------------------------------------------------
    static constexpr int kSliderSteps = 100;
    static constexpr int kSliderPage = 10;
    // Slider position 0..100 of the current D.
    int sliderPosition() const;
    // Slider moved: D = L + pos (R - L) / 100 (pos clamped to 0..100); recomputes.
    void setSliderPosition(int pos);
    // D as the dialog's edit box shows it (q decimals in a field of q + 2).
    std::string divisorText() const;
    // Apply: v < 1 gives 17; otherwise widens [L, R] to hold v, D = v.
    int applyDivisor(Real v);
    // "set L" / "set R": L = v (or R = v) and D = v when 1 <= v and the range
    // stays non-empty; otherwise 17, which the dialog ignores silently.
    int setSliderLeft(Real v);
    int setSliderRight(Real v);

    // ---- Layout -----------------------------------------------------------
    int quotaPlaces() const { return quotaPlaces_; }
    int setQuotaPlaces(int q); // 0..15, else 17
    // Decimals of column c: 0, 2, q, 0, 2, 0, q, q.
    int columnDecimals(int c) const;
    int columnWidth() const { return columnWidth_; }
    int setColumnWidth(int w); // 6..999, else 17
    int arrangeKey() const { return arrangeKey_; }
    int setArrangeKey(int key); // -1, 0, 5 or 7, else 17; re-sorts
    bool increasing() const { return increasing_; }
    void setIncreasing(bool on);
    bool rowNumbers() const { return rowNumbers_; }
    void setRowNumbers(bool on) { rowNumbers_ = on; }
    bool autofeed() const { return autofeed_; }
    void setAutofeed(bool on) { autofeed_ = on; }
    // Rebuilds the display order by the arrange-by key and direction.
    void arrange();

    // ---- Cells ------------------------------------------------------------
    // Heading of column 0..7 or of the name column (8).
    const std::string& heading(int col) const;
    // The text of a state cell: columns 0..7 with the column's decimals
    // ("infinite" above e^42), column 8 the name with the "07. " prefix when
    // row numbers are shown.
    std::string cellText(int row, int col) const;
    // The footer text of columns 0..5 ("" for the others).
    std::string footerText(int col) const;
    // Longest displayed name, with the row-number prefix when shown.
    size_t nameWidth() const;
    // Editable cells: row -1 is the heading row (columns 0..8), rows
    // 0..n-1 the states (population 0 and name 8), row n the footer (house
    // size, column 2).
    bool cellEditable(int row, int col) const;
    // Preset of the edit box over a cell ("" when not editable).
    std::string editText(int row, int col) const;
    // Applies an edit box entry. Numbers: not a number 1, below 1 14, above
    // 2147483647 17 (each also ends autofeed). Texts: empty keeps the old one.
    int editCell(int row, int col, const std::string& text);
    int setPopulation(int row, Real p);
    int setHouseSize(Real h);
    void setName(int row, const std::string& name);
    void setHeading(int col, const std::string& text);

    // ---- Table operations -------------------------------------------------
    // Number of states 2..99 (else 17): empties the comparison list, resets
    // D = T/H, L = 0.8 D, R = 1.25 D.
    int setStateCount(int n);
    // Deletes the displayed rows a..b (counted from 1, either order): 17 when
    // out of 1..n, 25 when that would remove every row.
    int deleteRows(int a, int b);
    // Loads census set k: 17 for an invalid k, 30 when its data is not
    // compiled in. The window names the document censusFileName(k) and marks
    // it unchanged.
    int loadCensus(int k);
    // The document as a ".hor" file holds it: documentData() fills the
    // table's fields (the header and the notebook keep their defaults, for
    // the window to fill); loadDocument() checks every field it uses (n
    // 2..99 with one name each, column width 1..999, method, key, H >= 1,
    // populations 0..2147483647 with a positive total, divisor > 0; else 6
    // and the table is unchanged), takes them and the nine headings, empties
    // the comparison list when n changes, sorts, recomputes and sets
    // L = 0.9 D, R = 1.1 D.
    HorDocument documentData() const;
    int loadDocument(const HorDocument& doc);

    // ---- Priority list, comparison, electoral blocs -----------------------
    // The priority list of a divisor method ("" for the others).
    std::string priorityList() const;
    std::string priorityListTitle() const; // long name + " priority list"
    // Register apportionment: the input dialog's title and preset.
    std::string registerTitle() const;  // "apportionment #k"
    std::string registerPreset() const; // the method's short name
    void registerApportionment(const std::string& heading);
    const std::vector<RegisteredApportionment>& comparisons() const { return comparisons_; }
    std::string summary() const;
    static std::string summaryTitle(); // "comparison of apportionments"
    void zeroSummary() { comparisons_.clear(); }
    // Blocs for the Electoral College window: each state with reps + 2, then
    // the District of Columbia with 3.
    std::vector<ElectoralBloc> electoralBlocs() const;

    // ---- Table exports ----------------------------------------------------
    std::string textOut() const;        // plain-text table ("apportionment")
    static std::string textOutTitle();
    std::string texOut() const;         // plain-TeX table file contents

private:
    void resetDivisorRange(); // D = T/H, L = 0.8 D, R = 1.25 D, recompute
    Real idealDivisor() const;
    std::string numberText(Real v, int col, bool padded) const;

    std::array<StateRecord, kMaxStates> rows_{};
    std::array<Real, kValueColumns> totals_{};
    std::array<int, kMaxStates> order_{};
    int n_ = 0;
    int method_ = kHamilton;
    Real divisor_ = 1, left_ = 1, right_ = 1;
    int quotaPlaces_ = 3;
    int columnWidth_ = 8;
    int arrangeKey_ = kArrangeName;
    bool increasing_ = true;
    bool rowNumbers_ = false;
    bool autofeed_ = false;
    std::array<std::string, kValueColumns + 1> headings_{};
    std::vector<RegisteredApportionment> comparisons_;
};

} // namespace quan
