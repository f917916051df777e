// Help texts of the apportion windows, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kApportionHelp[] = {
    {"", ""},
};
extern const size_t kApportionHelpCount = sizeof(kApportionHelp) / sizeof(kApportionHelp[0]);

} // namespace quan
