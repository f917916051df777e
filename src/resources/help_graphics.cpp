// Help texts of the graphics windows, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kGraphicsHelp[] = {
    {"", ""},
};
extern const size_t kGraphicsHelpCount = sizeof(kGraphicsHelp) / sizeof(kGraphicsHelp[0]);

} // namespace quan
