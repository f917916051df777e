// Menus, accelerators and dialog templates of the graphics windows.
#include "resources/rc.h"

namespace quan {

extern const char kGraphicsRc[] = R"RC(
)RC";

} // namespace quan
