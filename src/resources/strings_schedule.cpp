// Scheduling texts.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kScheduleStrings[] = {
    {890, "processor"},
    {891, "finishing time"},
    {892, "lower bound"},
    {893, "[optimal]"},
    {894, "time of task"},
    {895, "task times"},
};
extern const size_t kScheduleStringsCount = sizeof(kScheduleStrings) / sizeof(kScheduleStrings[0]);

} // namespace quan
