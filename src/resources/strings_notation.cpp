// Texts of the graph notations and the graph6 viewer.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kNotationStrings[] = {
    {878, "graph6 notation"},
    {879, "vertex example"},
    {880, "view"},
    {881, "digraph6 notation"},
    {885, "sparse6 notation"},
};
extern const size_t kNotationStringsCount = sizeof(kNotationStrings) / sizeof(kNotationStrings[0]);

} // namespace quan
