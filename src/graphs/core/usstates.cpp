// The map of the 50 states of the USA as a graph: one vertex per state,
// labelled with its two-letter postal code and placed at the approximate
// longitude and latitude of the state's centre (the small states of the
// north-east moved apart a little so that their labels stay readable) (Alaska and Hawaii drawn
// below the south-west, as the insets of a printed map), and an edge
// between two states exactly when they share a land border of positive
// length. Point contacts do not count: at the Four Corners, Arizona meets
// Colorado and New Mexico meets Utah in a single point only. Borders that
// run through water alone (Michigan with Minnesota and with Illinois in the
// Great Lakes, New York with Rhode Island in Block Island Sound) are not
// counted either. The District of Columbia is not a state and is left out.
#include "graphs/core/generators.h"

#include "core/msgcode.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace quan {

namespace {

struct StateSite {
    const char* code;
    Real longitude, latitude; // degrees, west negative
};

// In alphabetical order of the postal codes: the slot of a state is its
// index here.
constexpr StateSite kStates[kStateCount] = {
    {"AK", -117.0L, 26.5L}, // inset
    {"AL", -86.8L, 32.8L},  {"AR", -92.4L, 34.9L},  {"AZ", -111.7L, 34.3L}, {"CA", -119.5L, 37.2L},
    {"CO", -105.5L, 39.0L}, {"CT", -73.1L, 41.3L},  {"DE", -74.9L, 38.5L},  {"FL", -82.0L, 28.6L},
    {"GA", -83.4L, 32.7L},
    {"HI", -104.5L, 25.8L}, // inset
    {"IA", -93.5L, 42.1L},  {"ID", -114.6L, 44.4L}, {"IL", -89.2L, 40.0L},  {"IN", -86.3L, 39.9L},
    {"KS", -98.4L, 38.5L},  {"KY", -85.3L, 37.5L},  {"LA", -92.0L, 31.1L},  {"MA", -71.5L, 42.6L},
    {"MD", -77.0L, 39.2L},  {"ME", -68.9L, 45.6L},  {"MI", -85.4L, 43.6L},  {"MN", -94.3L, 46.3L},
    {"MO", -92.5L, 38.4L},  {"MS", -89.7L, 32.7L},  {"MT", -109.6L, 47.0L}, {"NC", -79.4L, 35.6L},
    {"ND", -100.5L, 47.5L}, {"NE", -99.8L, 41.5L},  {"NH", -71.2L, 44.1L},  {"NJ", -74.2L, 40.0L},
    {"NM", -106.1L, 34.4L}, {"NV", -116.6L, 39.3L}, {"NY", -75.5L, 42.9L},  {"OH", -82.8L, 40.3L},
    {"OK", -97.5L, 35.6L},  {"OR", -120.6L, 43.9L}, {"PA", -77.8L, 40.9L},  {"RI", -70.4L, 41.3L},
    {"SC", -80.0L, 33.3L},  {"SD", -100.2L, 44.4L}, {"TN", -86.4L, 35.9L},  {"TX", -99.3L, 31.5L},
    {"UT", -111.7L, 39.3L}, {"VA", -78.8L, 37.5L},  {"VT", -73.3L, 44.7L},  {"WA", -120.5L, 47.4L},
    {"WI", -89.9L, 44.6L},  {"WV", -80.6L, 38.6L},  {"WY", -107.6L, 43.0L},
};

// Each shared land border once, the alphabetically smaller code first.
constexpr const char* kBorders[][2] = {
    {"AL", "FL"}, {"AL", "GA"}, {"AL", "MS"}, {"AL", "TN"},                                           //
    {"AR", "LA"}, {"AR", "MO"}, {"AR", "MS"}, {"AR", "OK"}, {"AR", "TN"}, {"AR", "TX"},               //
    {"AZ", "CA"}, {"AZ", "NM"}, {"AZ", "NV"}, {"AZ", "UT"},                                           //
    {"CA", "NV"}, {"CA", "OR"},                                                                       //
    {"CO", "KS"}, {"CO", "NE"}, {"CO", "NM"}, {"CO", "OK"}, {"CO", "UT"}, {"CO", "WY"},               //
    {"CT", "MA"}, {"CT", "NY"}, {"CT", "RI"},                                                         //
    {"DE", "MD"}, {"DE", "NJ"}, {"DE", "PA"},                                                         //
    {"FL", "GA"},                                                                                     //
    {"GA", "NC"}, {"GA", "SC"}, {"GA", "TN"},                                                         //
    {"IA", "IL"}, {"IA", "MN"}, {"IA", "MO"}, {"IA", "NE"}, {"IA", "SD"}, {"IA", "WI"},               //
    {"ID", "MT"}, {"ID", "NV"}, {"ID", "OR"}, {"ID", "UT"}, {"ID", "WA"}, {"ID", "WY"},               //
    {"IL", "IN"}, {"IL", "KY"}, {"IL", "MO"}, {"IL", "WI"},                                           //
    {"IN", "KY"}, {"IN", "MI"}, {"IN", "OH"},                                                         //
    {"KS", "MO"}, {"KS", "NE"}, {"KS", "OK"},                                                         //
    {"KY", "MO"}, {"KY", "OH"}, {"KY", "TN"}, {"KY", "VA"}, {"KY", "WV"},                             //
    {"LA", "MS"}, {"LA", "TX"},                                                                       //
    {"MA", "NH"}, {"MA", "NY"}, {"MA", "RI"}, {"MA", "VT"},                                           //
    {"MD", "PA"}, {"MD", "VA"}, {"MD", "WV"},                                                         //
    {"ME", "NH"},                                                                                     //
    {"MI", "OH"}, {"MI", "WI"},                                                                       //
    {"MN", "ND"}, {"MN", "SD"}, {"MN", "WI"},                                                         //
    {"MO", "NE"}, {"MO", "OK"}, {"MO", "TN"},                                                         //
    {"MS", "TN"},                                                                                     //
    {"MT", "ND"}, {"MT", "SD"}, {"MT", "WY"},                                                         //
    {"NC", "SC"}, {"NC", "TN"}, {"NC", "VA"},                                                         //
    {"ND", "SD"},                                                                                     //
    {"NE", "SD"}, {"NE", "WY"},                                                                       //
    {"NH", "VT"},                                                                                     //
    {"NJ", "NY"}, {"NJ", "PA"},                                                                       //
    {"NM", "OK"}, {"NM", "TX"},                                                                       //
    {"NV", "OR"}, {"NV", "UT"},                                                                       //
    {"NY", "PA"}, {"NY", "VT"},                                                                       //
    {"OH", "PA"}, {"OH", "WV"},                                                                       //
    {"OK", "TX"},                                                                                     //
    {"OR", "WA"},                                                                                     //
    {"PA", "WV"},                                                                                     //
    {"SD", "WY"},                                                                                     //
    {"TN", "VA"},                                                                                     //
    {"UT", "WY"},                                                                                     //
    {"VA", "WV"},
};

int stateSlot(const char* code)
{
    for (int i = 0; i < kStateCount; ++i)
        if (std::strcmp(kStates[i].code, code) == 0)
            return i;
    return -1;
}

} // namespace

const char* stateCode(int slot) { return slot >= 0 && slot < kStateCount ? kStates[slot].code : ""; }

int LoadStatesMap(Graph& g, const ExampleView& view)
{
    if (g.slots() < kStateCount)
        return codeOf(Msg::TooManyPoints);
    Graph h(g.slots());
    h.newLabelState = g.newLabelState;
    // Longitude shrunk by the cosine of the middle latitude (about 39
    // degrees), as on a map of that latitude; then the whole scaled to
    // nine tenths of the view and centred in it.
    const Real shrink = std::cos(39.0L * std::numbers::pi_v<Real> / 180);
    Real x0 = 1e9L, x1 = -1e9L, y0 = 1e9L, y1 = -1e9L;
    for (const StateSite& s : kStates) {
        x0 = std::min(x0, s.longitude * shrink);
        x1 = std::max(x1, s.longitude * shrink);
        y0 = std::min(y0, s.latitude);
        y1 = std::max(y1, s.latitude);
    }
    const Real scale = 0.9L * std::min(2 * view.rx / (x1 - x0), 2 * view.ry / (y1 - y0));
    for (int i = 0; i < kStateCount; ++i) {
        const StateSite& s = kStates[i];
        h.addVertexInSlot(i, view.cx + scale * (s.longitude * shrink - (x0 + x1) / 2),
                          view.cy + scale * (s.latitude - (y0 + y1) / 2));
        h.setLabelText(i, s.code);
        h.setLabelState(i, labelState(TextUser, h.label(i).icon()));
    }
    for (const auto& border : kBorders) {
        const int a = stateSlot(border[0]), b = stateSlot(border[1]);
        if (a < 0 || b < 0 || a == b)
            return codeOf(Msg::InconsistentData);
        h.SetWeight(a, b, 0);
        h.SetDirection(a, b, 0);
    }
    h.ClearSolution(true);
    h.ComputeValences();
    h.modified = true;
    g = std::move(h);
    return 0;
}

} // namespace quan
