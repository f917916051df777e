#include "platform/platform.h"

#include <cassert>

namespace quan::plat {

namespace {
Platform* g_platform = nullptr;
}

Platform& Platform::get()
{
    assert(g_platform && "no platform installed");
    return *g_platform;
}

void Platform::install(Platform* p) { g_platform = p; }
bool Platform::installed() { return g_platform != nullptr; }

} // namespace quan::plat
