// Menus, accelerators and dialog templates of the power windows.
#include "resources/rc.h"

namespace quan {

extern const char kPowerRc[] = R"RC(
)RC";

} // namespace quan
