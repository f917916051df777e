// Menus, accelerators and dialog templates of the text windows.
#include "resources/rc.h"

namespace quan {

extern const char kTextRc[] = R"RC(
)RC";

} // namespace quan
