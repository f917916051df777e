// Election texts.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kElectionsStrings[] = {
    {870, "total votes"},
};
extern const size_t kElectionsStringsCount = sizeof(kElectionsStrings) / sizeof(kElectionsStrings[0]);

} // namespace quan
