#include "app/kinds.h"

#include "shell/quanframe.h"

namespace quan {

void registerWindowKinds(TQuanFrame& frame)
{
    (void)frame;
}

} // namespace quan
