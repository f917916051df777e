// Bin-packing texts.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kPackingStrings[] = {
    {150, "bins"},
    {151, "items"},
    {152, "sizes"},
};
extern const size_t kPackingStringsCount = sizeof(kPackingStrings) / sizeof(kPackingStrings[0]);

} // namespace quan
