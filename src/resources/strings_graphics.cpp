// Picture-window texts: view and grid prompts, graph messages.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kGraphicsStrings[] = {
    {42, "ok"}, {43, "cancel"},
    {170, "hori"}, {171, "vert"}, {172, "width"}, {173, "left"}, {174, "right"},
    {175, "down"}, {176, "up"},
    {501, "vertices miscounted"},
    {504, "no more room"},
    {505, "not enough data"},
    {506, "too many points"},
    {508, "incomplete graph"},
    {509, "graph not connected"},
    {510, "incompatible valences"},
    {512, "source detected"},
    {513, "sink detected"},
    {515, "loop discarded"},
    {516, "no circuit exists"},
    {517, "no path exists"},
    {1600, "the printer did not take the job"},
};
extern const size_t kGraphicsStringsCount = sizeof(kGraphicsStrings) / sizeof(kGraphicsStrings[0]);

} // namespace quan
