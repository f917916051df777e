// Help texts of the text windows, one per menu.
#include "resources/rc.h"

namespace quan {

extern const HelpEntry kTextHelp[] = {
    {"", ""},
};
extern const size_t kTextHelpCount = sizeof(kTextHelp) / sizeof(kTextHelp[0]);

} // namespace quan
