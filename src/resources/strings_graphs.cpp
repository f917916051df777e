// Graph texts.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kGraphsStrings[] = {
    {802, "edges"},
    {803, "vertices"},
    {804, "icon size"},
    {810, "components"},
    {811, "weight"},
    {815, "label"},
    {852, "weights"},
    {886, "directions"},
};
extern const size_t kGraphsStringsCount = sizeof(kGraphsStrings) / sizeof(kGraphsStrings[0]);

} // namespace quan
