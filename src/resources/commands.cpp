#include "resources/commands.h"

#include <algorithm>
#include <array>

namespace quan {

namespace {

struct NamedCommand {
    std::string_view name;
    int id;
};

#define QUAN_NAME_COMMAND(ns, name, value) NamedCommand{#ns "::" #name, ns::name},
constexpr NamedCommand kCommands[] = {QUAN_COMMANDS(QUAN_NAME_COMMAND)};
#undef QUAN_NAME_COMMAND

#define QUAN_NAME_RANGE(ns, first, count) NamedCommand{#ns "::" #first, count},
constexpr NamedCommand kRanges[] = {QUAN_COMMAND_RANGES(QUAN_NAME_RANGE)};
#undef QUAN_NAME_RANGE

int lookUp(const NamedCommand* begin, const NamedCommand* end, std::string_view name, int otherwise)
{
    const auto it = std::find_if(begin, end, [name](const NamedCommand& c) { return c.name == name; });
    return it == end ? otherwise : it->id;
}

} // namespace

int commandId(std::string_view name)
{
    return lookUp(std::begin(kCommands), std::end(kCommands), name, -1);
}

int commandRangeLength(std::string_view name) { return lookUp(std::begin(kRanges), std::end(kRanges), name, 0); }

} // namespace quan
