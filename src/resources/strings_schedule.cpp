// Scheduling texts.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kScheduleStrings[] = {
    {940, "processor"},
    {941, "finishing time"},
    {942, "lower bound"},
    {943, "[optimal]"},
    {944, "time of task"},
    {945, "task times"},
};
extern const size_t kScheduleStringsCount = sizeof(kScheduleStrings) / sizeof(kScheduleStrings[0]);

} // namespace quan
