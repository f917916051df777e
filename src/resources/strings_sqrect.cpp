// Texts of the squared rectangles and their library.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kSqrectStrings[] = {
    {378, "perfect"},
    {379, "simple"},
    {847, "squared squares"},
    {848, "squared rectangles"},
    {884, "compound"},
};
extern const size_t kSqrectStringsCount = sizeof(kSqrectStrings) / sizeof(kSqrectStrings[0]);

} // namespace quan
