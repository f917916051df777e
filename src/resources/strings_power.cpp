// Weighted-voting texts.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kPowerStrings[] = {
    {160, "weight"}, {161, "pct"}, {162, "pivotal"}, {163, "pct"},
    {164, "B power"}, {165, "pct"}, {166, "name"}, {167, "done"},
    {502, "too many blocs"},
    {503, "check the quota"},
};
extern const size_t kPowerStringsCount = sizeof(kPowerStrings) / sizeof(kPowerStrings[0]);

} // namespace quan
