// Menus, accelerators and dialog templates of the apportion windows.
#include "resources/rc.h"

namespace quan {

extern const char kApportionRc[] = R"RC(
)RC";

} // namespace quan
