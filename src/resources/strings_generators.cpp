// Texts of the graph generators' input boxes.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kGeneratorStrings[] = {
    {807, "circular array"},
    {812, "base polygon"},
    {813, "offset"},
    {814, "star polygon"},
    {883, "random planar graph"},
    {1700, "separations"},
    {1701, "board size"},
    {1702, "circulant"},
    {1703, "street grid"},
};
extern const size_t kGeneratorStringsCount = sizeof(kGeneratorStrings) / sizeof(kGeneratorStrings[0]);

} // namespace quan
