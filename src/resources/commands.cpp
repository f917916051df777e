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

} // namespace

int commandId(std::string_view name)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [name](const NamedCommand& c) { return c.name == name; });
    return it == std::end(kCommands) ? -1 : it->id;
}

} // namespace quan
