// Help texts of the power windows, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kPowerHelp[] = {
    {"", ""},
};
extern const size_t kPowerHelpCount = sizeof(kPowerHelp) / sizeof(kPowerHelp[0]);

} // namespace quan
